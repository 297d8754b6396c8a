<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stichtag:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Bank:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Konto&amp;nummer:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>The account needs a name</source>
        <translation>Das Konto braucht einen Namen</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Das Konto konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Das Konto existiert nicht mehr</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Das Konto konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The account is not deleted</source>
        <translation>Das Konto ist nicht gelöscht</translation>
    </message>
    <message>
        <source>The account could not be restored</source>
        <translation>Das Konto konnte nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>Die Reihenfolge der Konten konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>AccountWindows</name>
    <message>
        <source>Varnaby Account</source>
        <translation>Varnaby-Konto</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Teilen: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Varnaby family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Teilen Sie dieses Konto mit den Mitgliedern Ihrer Varnaby-Familiengruppe. Sie sehen auf ihren Geräten dasselbe Register, dieselben Salden und denselben Abstimmungsverlauf.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Geteilt mit</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Teilen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Entfernen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Freigabe entfernen</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Zugriff von %1 auf dieses Konto entfernen?</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message>
        <source>Sharing requires a Varnaby account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Zum Teilen wird ein Varnaby-Konto benötigt. Melden Sie sich über Datei › Anmelden an, um das Teilen zu aktivieren.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>A check register for household finances.</source>
        <translation>Ein Kassenbuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>A QIF or CSV file to open in the import window.</source>
        <translation>Eine QIF- oder CSV-Datei, die im Importfenster geöffnet wird.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Die Datenbank konnte nicht eingerichtet werden.

Datenordner: %1

Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Das ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The backup is too large to restore: it expands to more than 2 GiB.</source>
        <translation>Die Sicherung ist zu groß zum Wiederherstellen: Entpackt belegt sie mehr als 2 GiB.</translation>
    </message>
    <message>
        <source>The backup is not a Ledgerwell backup: its entry %1 expands more than 200 times.</source>
        <translation>Dies ist keine Ledgerwell-Sicherung: Der Eintrag %1 wird beim Entpacken mehr als 200-mal größer.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Sicherungsversion: %1</translation>
    </message>
    <message>
        <source>Import cancelled; nothing was changed.</source>
        <translation>Import abgebrochen; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The backup could not be imported; nothing was changed.</source>
        <translation>Die Sicherung konnte nicht importiert werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The data file could not be read whole, so no backup was written: %1. Check the data file (ledgerwell-cli check).</source>
        <translation>Die Datendatei konnte nicht vollständig gelesen werden, daher wurde keine Sicherung geschrieben: %1. Prüfen Sie die Datendatei (ledgerwell-cli check).</translation>
    </message>
    <message>
        <source>%1 after %2 rows: %3</source>
        <translation>%1 nach %2 Zeilen: %3</translation>
    </message>
    <message>
        <source>%1: the amount is larger than Ledgerwell can hold</source>
        <translation>%1: Der Betrag ist größer, als Ledgerwell speichern kann</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie verlieren ihre Kategorie.</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Kategorie nicht gespeichert</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot;?

Its %n subcategories (%2) become top-level categories and keep their transactions. Transactions using &quot;%1&quot; itself will become uncategorized.</source>
        <translation>
            <numerusform>„%1“ löschen?

Ihre %n Unterkategorie (%2) wird zur Hauptkategorie und behält ihre Buchungen. Buchungen mit „%1“ selbst verlieren ihre Kategorie.</numerusform>
            <numerusform>„%1“ löschen?

Ihre %n Unterkategorien (%2) werden zu Hauptkategorien und behalten ihre Buchungen. Buchungen mit „%1“ selbst verlieren ihre Kategorie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDialog</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>Category &amp;name:</source>
        <translation>Kategorie&amp;name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Übergeordnete Kategorie:</translation>
    </message>
    <message>
        <source>Ta&amp;x code:</source>
        <translation>&amp;Steuerschlüssel:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
    <message>
        <source>(none: a top-level category)</source>
        <translation>(keine: Hauptkategorie)</translation>
    </message>
    <message>
        <source>A category with subcategories stays top-level</source>
        <translation>Eine Kategorie mit Unterkategorien bleibt eine Hauptkategorie</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
</context>
<context>
    <name>CategoryPrompt</name>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; does not exist. Create it?</source>
        <translation>Die Kategorie „%1“ gibt es nicht. Soll sie angelegt werden?</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Krankheitskosten</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Berufliche Ausgaben</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Steuern &amp; Abgaben</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Miete/Kreditrate</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Hausgeld</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Autokredit</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>ÖPNV</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants &amp; Essen gehen</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Verschiedenes</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Freizeit</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Kino</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Veranstaltungen</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Einkäufe</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Elektronik</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Versicherungen</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Krankenversicherung</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Lebensversicherung</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hausrat</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Kfz</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Gebühren</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Kontoführung</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Geldautomat</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Mahngebühren</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Gehalt / Lohn</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Freiberufliche Tätigkeit</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Erstattungen</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
    <message>
        <source>A category needs a name</source>
        <translation>Die Kategorie braucht einen Namen</translation>
    </message>
    <message>
        <source>The parent category no longer exists</source>
        <translation>Die übergeordnete Kategorie existiert nicht mehr</translation>
    </message>
    <message>
        <source>Categories have two levels: a subcategory cannot have children</source>
        <translation>Kategorien haben zwei Ebenen: Eine Unterkategorie kann keine eigenen Unterkategorien haben</translation>
    </message>
    <message>
        <source>The category could not be saved</source>
        <translation>Die Kategorie konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The category could not be deleted</source>
        <translation>Die Kategorie konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it stays a top-level category</source>
        <translation>„%1“ hat Unterkategorien und bleibt daher eine Hauptkategorie</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>too few columns</source>
        <translation>zu wenige Spalten</translation>
    </message>
    <message>
        <source>no date in this format</source>
        <translation>kein Datum in diesem Format</translation>
    </message>
</context>
<context>
    <name>DamageGuard</name>
    <message>
        <source>Save What Can Be Read</source>
        <translation>Lesbares sichern</translation>
    </message>
    <message>
        <source>Backup Files (*.zip)</source>
        <translation>Sicherungsdateien (*.zip)</translation>
    </message>
    <message>
        <source>Data File Damaged</source>
        <translation>Datendatei beschädigt</translation>
    </message>
    <message>
        <source>%1

Balances, lists and reports may be incomplete. Save what can still be read (Settings, Data &amp; Sync, Export) and check the file with &apos;ledgerwell-cli check&apos;.</source>
        <translation>%1

Salden, Listen und Berichte sind möglicherweise unvollständig. Sichern Sie, was noch lesbar ist (Einstellungen, Daten &amp; Sync, Sicherung exportieren), und prüfen Sie die Datei mit &apos;ledgerwell-cli check&apos;.</translation>
    </message>
    <message>
        <source>Ledgerwell did not close normally last time, and the data file is damaged:

%1

Save what can still be read to a backup file now?</source>
        <translation>Ledgerwell wurde beim letzten Mal nicht normal beendet, und die Datendatei ist beschädigt:

%1

Alles noch Lesbare jetzt in einer Sicherungsdatei speichern?</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Everything was saved to %1.</source>
        <translation>Alles wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>What could be read was saved to %1. Not saved:
%2</source>
        <translation>Das Lesbare wurde in %1 gespeichert. Nicht gespeichert:
%2</translation>
    </message>
</context>
<context>
    <name>DataSyncPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your ledgerwell in sync across all your devices.</source>
        <translation>Halten Sie Ihre Konten auf allen Geräten auf dem gleichen Stand.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sichern &amp; Wiederherstellen</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in einer Datei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Hier können Sie gelöschte Konten wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Sicherung wird exportiert...</translation>
    </message>
    <message>
        <source>Export cancelled; no file was written.</source>
        <translation>Export abgebrochen; es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Schreiben nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>Sicherung wird importiert...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 Einträge importiert, %2 übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n Fehler ist aufgetreten.</numerusform>
            <numerusform>

%n Fehler sind aufgetreten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Wiederherstellung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a Ledgerwell data file.</source>
        <translation>%1 ist keine Ledgerwell-Datendatei.</translation>
    </message>
    <message>
        <source>The data file was written by a newer version of Ledgerwell (schema %1; this version knows up to %2). Update Ledgerwell to open it.</source>
        <translation>Die Datendatei stammt von einer neueren Ledgerwell-Version (Schema %1; diese Version kennt bis %2). Aktualisieren Sie Ledgerwell, um sie zu öffnen.</translation>
    </message>
    <message>
        <source>The disk is full. Nothing was changed.</source>
        <translation>Der Datenträger ist voll. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The data file is read-only. Nothing was changed.</source>
        <translation>Die Datendatei ist schreibgeschützt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The data file is busy (another Ledgerwell program is writing). Nothing was changed; try again.</source>
        <translation>Die Datendatei ist belegt (ein anderes Ledgerwell-Programm schreibt gerade). Es wurde nichts geändert; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The data file could not be written (a disk error). Nothing was changed.</source>
        <translation>Die Datendatei konnte nicht geschrieben werden (Datenträgerfehler). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The data file is damaged. Nothing was changed.</source>
        <translation>Die Datendatei ist beschädigt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Part of the data file could not be read (%1).</source>
        <translation>Ein Teil der Datendatei konnte nicht gelesen werden (%1).</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Create Account</source>
        <translation>Konto anlegen</translation>
    </message>
    <message>
        <source>Welcome to Varnaby Ledgerwell</source>
        <translation>Willkommen bei Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Legen Sie zuerst ein Konto an.</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Sie können Buchungen auch über Datei › Importieren aus einer CSV-Datei übernehmen.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Schon ein Konto? Anmelden</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Öffnet sich im Webbrowser</translation>
    </message>
</context>
<context>
    <name>EntryReader</name>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Geben Sie einen Zahlungs- oder Einzahlungsbetrag ein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>„%1“ ist kein Betrag</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Der Empfänger fehlt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as M/d/yyyy</source>
        <translation>„%1“ ist kein Datum: Geben Sie es als M/T/JJJJ ein</translation>
    </message>
</context>
<context>
    <name>ImportPreviewTable</name>
    <message numerus="yes">
        <source>(split: %n line(s))</source>
        <translation>
            <numerusform>(aufgeteilt: %n Zeile)</numerusform>
            <numerusform>(aufgeteilt: %n Zeilen)</numerusform>
        </translation>
    </message>
    <message>
        <source>Date as read</source>
        <translation>Datum wie gelesen</translation>
    </message>
    <message>
        <source>Amount as read</source>
        <translation>Betrag wie gelesen</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
    <message>
        <source>This amount cannot be read and imports as 0</source>
        <translation>Dieser Betrag ist nicht lesbar und wird als 0 importiert</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Übersprungen: %1</translation>
    </message>
    <message>
        <source>This row will be skipped: %1</source>
        <translation>Diese Zeile wird übersprungen: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Zuordnung der CSV-Spalten:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Spalte Datum:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Spalte Empfänger:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Spalte Betrag:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Spalte Notiz:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Spalte Kategorie:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>Erste Zeile ist Kopfzeile</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Quellkonten der QIF-Datei:</translation>
    </message>
    <message>
        <source>This file contains multiple accounts. Choose where each should be imported.</source>
        <translation>Diese Datei enthält mehrere Konten. Wählen Sie für jedes das Zielkonto.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>This file doesn&apos;t declare its own accounts, so you need a target account to import into. Create one now?</source>
        <translation>Diese Datei nennt keine eigenen Konten, daher brauchen Sie ein Zielkonto für den Import. Jetzt eines anlegen?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Spalte Einzahlung:</translation>
    </message>
    <message>
        <source>For files with separate columns for money in and money out: the amount column then holds the money out</source>
        <translation>Für Dateien mit getrennten Spalten für Geldeingänge und -ausgänge: Die Spalte Betrag enthält dann die Ausgänge</translation>
    </message>
    <message>
        <source>First records in the file:</source>
        <translation>Erste Datensätze der Datei:</translation>
    </message>
    <message>
        <source>Dates are read as %1.</source>
        <translation>Datumsangaben werden als %1 gelesen.</translation>
    </message>
    <message>
        <source>Dates are read as %1, which cannot read &quot;%2&quot; in the first row: choose another date format.</source>
        <translation>Datumsangaben werden als %1 gelesen, womit „%2“ in der ersten Zeile nicht lesbar ist: Wählen Sie ein anderes Datumsformat.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>The import failed; nothing was changed.</source>
        <translation>Der Import ist fehlgeschlagen; es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>LineCommitter</name>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Abgeglichene Buchung</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Diese Buchung ist abgeglichen. Trotzdem ändern?</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Neue Buchung</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Neues &amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Berichte</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>&amp;Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleich&amp;verlauf...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>&amp;Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Varnaby Ledgerwell</source>
        <translation>&amp;Über Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Beispiel&amp;daten laden</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>Beispieldaten &amp;entfernen</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Beispieldaten</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Die Beispieldaten sind bereits geladen.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Beispieldaten geladen</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Es gibt keine Beispieldaten zu entfernen.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Beispieldaten entfernt</translation>
    </message>
    <message>
        <source>About Varnaby Ledgerwell</source>
        <translation>Über Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital check register for household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3 licence. See &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; for the framework and its source code.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Ein digitales Kassenbuch für die Haushaltsfinanzen.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Diese Anwendung verwendet das Qt-Framework unter der GNU LGPL Version 3. Das Framework und seinen Quellcode finden Sie unter &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; und &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt;.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Neuigkeiten...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>&amp;Varnaby Account...</source>
        <translation>&amp;Varnaby-Konto...</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring entries that can no longer post were set inactive: %1</source>
        <translation>Wiederkehrende Buchungen, die nicht mehr gebucht werden können, wurden deaktiviert: %1</translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation>(kein Empfänger)</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Buchung als wiederkehrend gespeichert</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>„%1“ löschen?

Alle Buchungen, wiederkehrenden Buchungen und der Abgleichverlauf dieses Kontos werden entfernt. Sie können das Konto unter Einstellungen → Daten &amp; Sync wiederherstellen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Neues Konto...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>„%1“ bearbeiten...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Abgleichverlauf...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Empfänger umbenennen...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>„%1“ löschen</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Teilen...</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Empfänger verwalten</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Auswahl umbenennen</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Auswahl zusammenführen</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Umbenennen in:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie mindestens 2 Empfänger zum Zusammenführen.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>%1 Empfänger zu „%2“ zusammenführen?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Kalender öffnen (F4)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Kassenbuch ab, um hier den Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Bisherige Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Auszugsdatum:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Auszugssaldo:</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Abgleich abschließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Buchung hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>Buchung hinzufügen (Strg+N)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Abgleich fehlgeschlagen</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Buchung nicht gespeichert</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Abgeglichene Buchung</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Diese Buchung ist abgeglichen. Trotzdem ändern?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung über %1 löschen?</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Buchung nicht gelöscht</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>Der Abgleich konnte nicht gespeichert werden. Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Mit Enddatum</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Bei Fälligkeit automatisch buchen</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Startdatum:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Enddatum:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Alle fälligen bestätigen</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Neue wiederkehrende</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 fällig)</translation>
    </message>
    <message>
        <source>Recurring Not Saved</source>
        <translation>Wiederkehrende Buchung nicht gespeichert</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Bestätigen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Überspringen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>Be&amp;stätigen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Überspringen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The amount is too large</source>
        <translation>Der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>Die wiederkehrende Buchung konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The recurring transaction no longer exists</source>
        <translation>Die wiederkehrende Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>The recurring transaction has a broken date and was stopped</source>
        <translation>Die wiederkehrende Buchung hat ein ungültiges Datum und wurde angehalten</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Gegenkonto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>RegisterHeader</name>
    <message>
        <source>Reconcile</source>
        <translation>Abgleichen</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Bestätigt: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Heute: %1</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Scheck</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Empfänger / Notiz</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Strg+Eingabe: speichern  |  Eingabe: weiter  |  Strg+D: löschen  |  Strg+M: merken  |  &apos;: von oben übernehmen</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Felder geleert</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>„%1“ über %2 löschen?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Umbuchung „%1“ über %2 löschen?

Beide Seiten der Umbuchung werden gelöscht.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Merken nicht möglich: Die Buchung hat ein ungültiges Datum</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>Neue Zeile &amp;einfügen (Strg+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Neue Buchung... (Strg+N)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Als &amp;unbestätigt markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Als &amp;bestätigt markieren</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Löschen (Strg+D)</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr ggü. Vorjahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Vorjahr ggü. Jahr davor</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal ggü. Vorquartal</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuerschlüssel</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Tax Code Key</source>
        <translation>Legende der Steuerschlüssel</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Include transfers</source>
        <translation>Umbuchungen einbeziehen</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Übersicht nach Empfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Cashflow</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Z1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Z2:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleich:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>Z1: %1 – %2    Z2: %3 – %4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Einnahmen und Ausgaben pro Monat</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Monthly savings</source>
        <translation>Monatliches Sparen</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Umbuchung auf Sparkonto</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Umbuchung vom Girokonto</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Visa Rewards</source>
        <translation>Visa Rewards</translation>
    </message>
    <message>
        <source>Summit Bank</source>
        <translation>Summit Bank</translation>
    </message>
    <message>
        <source>Pinecrest Apartments</source>
        <translation>Pinecrest Apartments</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Monatsmiete</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath GmbH</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Gehalt (zweiwöchentlich)</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Miete Februar</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Greenleaf Markt</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Wocheneinkauf</translation>
    </message>
    <message>
        <source>Sunoco Station</source>
        <translation>Sunoco Tankstelle</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Tanken</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Stadtwerke Lakeside</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Stromrechnung</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Wasserrechnung</translation>
    </message>
    <message>
        <source>Fibernet</source>
        <translation>Fibernet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Internetanschluss</translation>
    </message>
    <message>
        <source>StreamBox</source>
        <translation>StreamBox</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Monatsabo</translation>
    </message>
    <message>
        <source>Osteria Lucca</source>
        <translation>Osteria Lucca</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Abendessen auswärts</translation>
    </message>
    <message>
        <source>Harbor Mutual</source>
        <translation>Harbor Mutual Versicherung</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Gemeinde Hoffnung</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Monatliche Spende</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Miete März</translation>
    </message>
    <message>
        <source>Walden Pharmacy</source>
        <translation>Walden-Apotheke</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Mobilink</source>
        <translation>Mobilink</translation>
    </message>
    <message>
        <source>Phone bill</source>
        <translation>Telefonrechnung</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Zinsgutschrift</translation>
    </message>
    <message>
        <source>QuickBite Delivery</source>
        <translation>QuickBite Lieferdienst</translation>
    </message>
    <message>
        <source>Dinner delivery</source>
        <translation>Abendessen geliefert</translation>
    </message>
    <message>
        <source>Gadget Hub</source>
        <translation>Gadget Hub</translation>
    </message>
    <message>
        <source>USB-C cables</source>
        <translation>USB-C-Kabel</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Cloud-Speicher-Tarif</translation>
    </message>
    <message>
        <source>Bean There Roasters</source>
        <translation>Rösterei Bean There</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Kaffeebohnen</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Zahlung - Vielen Dank</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Kreditkartenzahlung</translation>
    </message>
    <message>
        <source>Page &amp; Code Books</source>
        <translation>Buchhandlung Page &amp; Code</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Programmierbücher</translation>
    </message>
    <message>
        <source>Lunch delivery</source>
        <translation>Mittagessen geliefert</translation>
    </message>
    <message>
        <source>Wireless mouse</source>
        <translation>Kabellose Maus</translation>
    </message>
    <message>
        <source>Algorithms text</source>
        <translation>Lehrbuch Algorithmen</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Nur bestätigte</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Empfänger, Notiz, Schecknummer suchen...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Konto:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Alle Kategorien</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Control how Varnaby Ledgerwell looks.</source>
        <translation>Legen Sie fest, wie Varnaby Ledgerwell aussieht.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kassenbuch angezeigt werden.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Zeilen</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Zeigt die Notiz in einer zweiten Zeile unter dem Empfänger.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst anzeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn aktiviert, stehen die neuesten Buchungen oben.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kassenbuch fest.</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital ledgerwell register for tracking household finances.</source>
        <translation>Ein digitales Kassenbuch für Ihre Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Varnaby Ledgerwell.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Varnaby Ledgerwell.</translation>
    </message>
</context>
<context>
    <name>ShortcutsBox</name>
    <message>
        <source>Register</source>
        <translation>Kassenbuch</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Buchung speichern</translation>
    </message>
    <message>
        <source>Insert new transaction (in the register)</source>
        <translation>Neue Buchung einfügen (im Kassenbuch)</translation>
    </message>
    <message>
        <source>New transaction form (in the register)</source>
        <translation>Formular für neue Buchung (im Kassenbuch)</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Aktuelle Buchung löschen</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Nächstes / vorheriges Feld</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Wert aus dem Feld darüber übernehmen</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Datumsfeld</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Nächster / vorheriger Tag</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Erster / letzter Tag des Monats</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Erster / letzter Tag des Jahres</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Erster / letzter Tag der Woche</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>New transaction (outside the register)</source>
        <translation>Neue Buchung (außerhalb des Kassenbuchs)</translation>
    </message>
    <message>
        <source>New account (everywhere)</source>
        <translation>Neues Konto (überall)</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buchungen suchen</translation>
    </message>
    <message>
        <source>Import (outside the register)</source>
        <translation>Importieren (außerhalb des Kassenbuchs)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Zu Konto 1&amp;ndash;9 wechseln</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Zu Konto 10 wechseln</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>SidebarModel</name>
    <message>
        <source>No accounts</source>
        <translation>Keine Konten</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>SignInController</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Erfolgreich angemeldet</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Anmeldung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Waiting for the sign-in in your web browser...</source>
        <translation>Warten auf die Anmeldung im Webbrowser...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Abgemeldet</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n Konto</numerusform>
            <numerusform>%n Konten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n wiederkehrende fällig</numerusform>
            <numerusform>  •  %n wiederkehrende fällig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisiert</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Synchronisierungsfehler</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Senden fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Abrufen fehlgeschlagen (HTTP %1)</translation>
    </message>
    <message>
        <source>Pulled changes could not be saved: %1</source>
        <translation>Abgerufene Änderungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Push failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Senden fehlgeschlagen: Die Antwort des Servers war nicht lesbar (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Abrufen fehlgeschlagen: Die Antwort des Servers war nicht lesbar (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>SyncIndicator</name>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Nicht angemeldet</translation>
    </message>
</context>
<context>
    <name>SyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständig synchronisieren</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Anmelden an, um zu synchronisieren.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dadurch werden alle lokalen Daten erneut auf den Server hochgeladen und alle Daten des Servers erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
</context>
<context>
    <name>TaxCodes</name>
    <message>
        <source>Charitable contributions</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Krankheits- und Zahnarztkosten</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Berufliche Ausgaben</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Arbeitszimmer</translation>
    </message>
    <message>
        <source>Education expenses</source>
        <translation>Bildungsausgaben</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Landes- und Gemeindesteuern</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Hypothekenzinsen</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Mieteinnahmen</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Einkünfte aus selbständiger Arbeit</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Empfänger:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>Schecknummer:</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>Transfer account not found</source>
        <translation>Gegenkonto der Umbuchung nicht gefunden</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Die Buchung konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Eine Umbuchung braucht zwei verschiedene Konten</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Für Umbuchungen müssen beide Konten dieselbe Währung haben</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung auf %1</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Der Betrag ist zu groß</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>Die Buchung existiert nicht mehr</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>Die Buchung konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The payees could not be renamed</source>
        <translation>Die Empfänger konnten nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Keine Versionshinweise für %1 %2 verfügbar</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Registrierte Geräte</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Geräte, die mit Ihrem Konto synchronisiert haben.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Keine Geräte registriert.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Unbekanntes Gerät</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Gerät entfernen</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Gerät entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Gerät konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 von %2 Plätzen belegt</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Mitglieder einladen</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Per E-Mail einladen</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Einladungscode erzeugen</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Gruppe verlassen</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Keine Gruppe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Sie gehören keiner Gruppe an. Der Gruppeninhaber kann Sie einladen, oder Sie treten mit einem Einladungscode bei.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Mit Einladungscode beitreten</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Inhaber</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Offene Einladungen</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Einladungscode: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Gruppe beitreten</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Einladungscode eingeben:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Der Gruppe beigetreten.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Ungültiger oder abgelaufener Einladungscode.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>E-Mail-Adresse:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Einladung gesendet.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Einladung konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Code konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Einladungscode</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Geben Sie diesen Code an die Person weiter, die Sie einladen möchten:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Diese Gruppe verlassen? Sie verlieren den Zugriff auf geteilte Daten.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Gruppe verlassen.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Gruppe konnte nicht verlassen werden.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Mitglied entfernen</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>%1 aus der Gruppe entfernen?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Failed to remove member.</source>
        <translation>Mitglied konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Einladung widerrufen.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Einladung konnte nicht widerrufen werden.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Gefahrenbereich</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Ihr Konto endgültig löschen. Nach 30 Tagen lässt sich das nicht mehr rückgängig machen.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Sie sind Inhaber der Gruppe. Übertragen Sie die Inhaberschaft oder entfernen Sie alle Mitglieder, bevor Sie Ihr Konto löschen.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Ihr Konto wird nach 30 Tagen endgültig gelöscht.

Geben Sie DELETE ein, um zu bestätigen:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Konto konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Kontolöschung geplant</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Ihr Konto wird in 30 Tagen endgültig gelöscht. Wenn Sie sich vorher anmelden, bleibt es erhalten.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Persönliche Angaben</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Anzeigename:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht festgelegt)</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Anzeigenamen bearbeiten</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Ändern Sie das Passwort Ihres Kontos.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Anzeigename aktualisiert.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Profil konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Aktuelles Passwort:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Neues Passwort (mind. 8 Zeichen):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Das Passwort muss mindestens 8 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Neues Passwort bestätigen:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Passwort geändert.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Passwort konnte nicht geändert werden.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Daten &amp; Datenschutz</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Unbekannter Client</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Aktive Sitzungen</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sitzungen, die derzeit bei Ihrem Konto angemeldet sind.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Keine aktiven Sitzungen.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sitzung widerrufen.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Der lokale Anmeldedienst konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Zeitüberschreitung bei der Anmeldung</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Keine Token erhalten</translation>
    </message>
</context>
<context>
    <name>VarnAccount::RelativeTime</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Gerade aktiv</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>vor %1 Min.</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>vor %1 Std.</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>vor %1 T.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::ShareMembersDialog</name>
    <message>
        <source>You&apos;re not part of a group yet. Once you belong to one (see File › Varnaby Account...), you can share this account with its members here.</source>
        <translation>Sie gehören noch keiner Gruppe an. Sobald Sie Mitglied einer Gruppe sind (siehe Datei › Varnaby-Konto...), können Sie dieses Konto hier mit ihren Mitgliedern teilen.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Alle Gruppenmitglieder sind bereits hinzugefügt</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Wird geteilt...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Teilen mit %1 nicht möglich.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Freigabe konnte nicht entfernt werden.</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neuigkeiten in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Ohne Konto fortfahren</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Ihre Finanzen, überall.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Öffnet sich im Webbrowser</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Schon ein Konto? Anmelden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ledgerwell is already open for this data folder.</source>
        <translation>Ledgerwell ist für diesen Datenordner bereits geöffnet.</translation>
    </message>
</context>
</TS>
