<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise :</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Solde initial :</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Établissement :</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>N&amp;uméro de compte :</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>The account needs a name</source>
        <translation>Le compte doit avoir un nom</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Le montant est trop élevé</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>Impossible d&apos;enregistrer le compte</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>Le compte n&apos;existe plus</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>Impossible de supprimer le compte</translation>
    </message>
    <message>
        <source>The account is not deleted</source>
        <translation>Le compte n&apos;est pas supprimé</translation>
    </message>
    <message>
        <source>The account could not be restored</source>
        <translation>Impossible de restaurer le compte</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;ordre des comptes</translation>
    </message>
</context>
<context>
    <name>AccountWindows</name>
    <message>
        <source>Varnaby Account</source>
        <translation>Compte Varnaby</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Partage : %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Varnaby family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Partagez ce compte avec les membres de votre groupe familial Varnaby. Ils verront le même registre, les mêmes soldes et le même historique de rapprochement sur leurs appareils.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Partagé avec</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Partagé avec personne pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Retirer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Échec du partage</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Échec du retrait</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Retirer le partage</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>Retirer l&apos;accès de %1 à ce compte ?</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Connexion requise</translation>
    </message>
    <message>
        <source>Sharing requires a Varnaby account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Le partage nécessite un compte Varnaby. Connectez-vous via Fichier › Se connecter pour l&apos;activer.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>A check register for household finances.</source>
        <translation>Un registre de comptes pour les finances du foyer.</translation>
    </message>
    <message>
        <source>A QIF or CSV file to open in the import window.</source>
        <translation>Un fichier QIF ou CSV à ouvrir dans la fenêtre d&apos;importation.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier des données : %1

Vérifiez les droits d&apos;accès aux fichiers et réessayez.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>The backup is too large to restore: it expands to more than 2 GiB.</source>
        <translation>La sauvegarde est trop volumineuse pour être restaurée : elle dépasse 2 Gio une fois décompressée.</translation>
    </message>
    <message>
        <source>The backup is not a Ledgerwell backup: its entry %1 expands more than 200 times.</source>
        <translation>Ce n&apos;est pas une sauvegarde Ledgerwell : son entrée %1 grossit plus de 200 fois à la décompression.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide : manifest.json est absent</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge : %1</translation>
    </message>
    <message>
        <source>Import cancelled; nothing was changed.</source>
        <translation>Importation annulée ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The backup could not be imported; nothing was changed.</source>
        <translation>Impossible d&apos;importer la sauvegarde ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1 : JSON non valide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>L&apos;exportation a été annulée.</translation>
    </message>
    <message>
        <source>The data file could not be read whole, so no backup was written: %1. Check the data file (ledgerwell-cli check).</source>
        <translation>Le fichier de données n&apos;a pas pu être lu en entier, aucune sauvegarde n&apos;a donc été écrite : %1. Vérifiez le fichier de données (ledgerwell-cli check).</translation>
    </message>
    <message>
        <source>%1 after %2 rows: %3</source>
        <translation>%1 après %2 lignes : %3</translation>
    </message>
    <message>
        <source>%1: the amount is larger than Ledgerwell can hold</source>
        <translation>%1 : le montant dépasse ce que Ledgerwell peut enregistrer</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer « %1 » ? Les opérations de cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Catégorie non enregistrée</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot;?

Its %n subcategories (%2) become top-level categories and keep their transactions. Transactions using &quot;%1&quot; itself will become uncategorized.</source>
        <translation>
            <numerusform>Supprimer « %1 » ?

Sa %n sous-catégorie (%2) devient une catégorie principale et garde ses opérations. Les opérations qui utilisent « %1 » elle-même n&apos;auront plus de catégorie.</numerusform>
            <numerusform>Supprimer « %1 » ?

Ses %n sous-catégories (%2) deviennent des catégories principales et gardent leurs opérations. Les opérations qui utilisent « %1 » elle-même n&apos;auront plus de catégorie.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>Category &amp;name:</source>
        <translation>No&amp;m de la catégorie :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente :</translation>
    </message>
    <message>
        <source>Ta&amp;x code:</source>
        <translation>Code &amp;fiscal :</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
    <message>
        <source>(none: a top-level category)</source>
        <translation>(aucune : catégorie principale)</translation>
    </message>
    <message>
        <source>A category with subcategories stays top-level</source>
        <translation>Une catégorie qui a des sous-catégories reste une catégorie principale</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>CategoryPrompt</name>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; does not exist. Create it?</source>
        <translation>La catégorie « %1 » n&apos;existe pas. Voulez-vous la créer ?</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impôts locaux</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intérêts d&apos;emprunt</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Loyer/Crédit immobilier</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Entretien</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Charges de copropriété</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Crédit auto</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cinéma</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Achats</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Électronique</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Maison</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Assurances</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Habitation</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais de tenue de compte</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Frais de retrait</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Pénalités de retard</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Travail indépendant</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Remboursements</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
    <message>
        <source>A category needs a name</source>
        <translation>La catégorie doit avoir un nom</translation>
    </message>
    <message>
        <source>The parent category no longer exists</source>
        <translation>La catégorie parente n&apos;existe plus</translation>
    </message>
    <message>
        <source>Categories have two levels: a subcategory cannot have children</source>
        <translation>Les catégories ont deux niveaux : une sous-catégorie ne peut pas en contenir d&apos;autres</translation>
    </message>
    <message>
        <source>The category could not be saved</source>
        <translation>Impossible d&apos;enregistrer la catégorie</translation>
    </message>
    <message>
        <source>The category could not be deleted</source>
        <translation>Impossible de supprimer la catégorie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it stays a top-level category</source>
        <translation>« %1 » a des sous-catégories et reste donc une catégorie principale</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>too few columns</source>
        <translation>trop peu de colonnes</translation>
    </message>
    <message>
        <source>no date in this format</source>
        <translation>pas de date dans ce format</translation>
    </message>
</context>
<context>
    <name>DamageGuard</name>
    <message>
        <source>Save What Can Be Read</source>
        <translation>Enregistrer ce qui est lisible</translation>
    </message>
    <message>
        <source>Backup Files (*.zip)</source>
        <translation>Fichiers de sauvegarde (*.zip)</translation>
    </message>
    <message>
        <source>Data File Damaged</source>
        <translation>Fichier de données endommagé</translation>
    </message>
    <message>
        <source>%1

Balances, lists and reports may be incomplete. Save what can still be read (Settings, Data &amp; Sync, Export) and check the file with &apos;ledgerwell-cli check&apos;.</source>
        <translation>%1

Les soldes, les listes et les rapports peuvent être incomplets. Enregistrez ce qui est encore lisible (Préférences, Données et synchro, Exporter une sauvegarde) et vérifiez le fichier avec &apos;ledgerwell-cli check&apos;.</translation>
    </message>
    <message>
        <source>Ledgerwell did not close normally last time, and the data file is damaged:

%1

Save what can still be read to a backup file now?</source>
        <translation>Ledgerwell ne s&apos;est pas fermé normalement la dernière fois et le fichier de données est endommagé :

%1

Enregistrer maintenant dans un fichier de sauvegarde ce qui est encore lisible ?</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>Everything was saved to %1.</source>
        <translation>Tout a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>What could be read was saved to %1. Not saved:
%2</source>
        <translation>Ce qui a pu être lu a été enregistré dans %1. Non enregistré :
%2</translation>
    </message>
</context>
<context>
    <name>DataSyncPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchro</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your ledgerwell in sync across all your devices.</source>
        <translation>Gardez vos comptes synchronisés sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sauvegardez vos données dans un fichier ou restaurez-les depuis celui-ci.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Vous pouvez restaurer ici les comptes supprimés.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportation de la sauvegarde...</translation>
    </message>
    <message>
        <source>Export cancelled; no file was written.</source>
        <translation>Exportation annulée ; aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans :
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans :
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes ?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les dates)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>Impossible de lire le fichier.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>Importation de la sauvegarde...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>%1 éléments importés, %2 ignorés.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

%n erreur s&apos;est produite.</numerusform>
            <numerusform>

%n erreurs se sont produites.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Échec de la restauration</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a Ledgerwell data file.</source>
        <translation>%1 n&apos;est pas un fichier de données Ledgerwell.</translation>
    </message>
    <message>
        <source>The data file was written by a newer version of Ledgerwell (schema %1; this version knows up to %2). Update Ledgerwell to open it.</source>
        <translation>Le fichier de données a été écrit par une version plus récente de Ledgerwell (schéma %1 ; cette version connaît jusqu&apos;au %2). Mettez Ledgerwell à jour pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The disk is full. Nothing was changed.</source>
        <translation>Le disque est plein. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The data file is read-only. Nothing was changed.</source>
        <translation>Le fichier de données est en lecture seule. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The data file is busy (another Ledgerwell program is writing). Nothing was changed; try again.</source>
        <translation>Le fichier de données est occupé (un autre programme Ledgerwell y écrit). Rien n&apos;a été modifié ; réessayez.</translation>
    </message>
    <message>
        <source>The data file could not be written (a disk error). Nothing was changed.</source>
        <translation>Impossible d&apos;écrire le fichier de données (erreur disque). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The data file is damaged. Nothing was changed.</source>
        <translation>Le fichier de données est endommagé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Part of the data file could not be read (%1).</source>
        <translation>Une partie du fichier de données n&apos;a pas pu être lue (%1).</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Create Account</source>
        <translation>Créer un compte</translation>
    </message>
    <message>
        <source>Welcome to Varnaby Ledgerwell</source>
        <translation>Bienvenue dans Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Créez votre premier compte pour commencer.</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>Vous pouvez aussi importer des opérations depuis un fichier CSV via Fichier › Importer.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte ? Se connecter</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>S&apos;ouvre dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>EntryReader</name>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Saisissez le montant d&apos;un paiement ou d&apos;un dépôt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>« %1 » n&apos;est pas un montant</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>Le bénéficiaire est obligatoire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as M/d/yyyy</source>
        <translation>« %1 » n&apos;est pas une date : saisissez-la sous la forme M/J/AAAA</translation>
    </message>
</context>
<context>
    <name>ImportPreviewTable</name>
    <message numerus="yes">
        <source>(split: %n line(s))</source>
        <translation>
            <numerusform>(ventilée : %n ligne)</numerusform>
            <numerusform>(ventilée : %n lignes)</numerusform>
        </translation>
    </message>
    <message>
        <source>Date as read</source>
        <translation>Date lue</translation>
    </message>
    <message>
        <source>Amount as read</source>
        <translation>Montant lu</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>This amount cannot be read and imports as 0</source>
        <translation>Ce montant est illisible et sera importé comme 0</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Ignorée : %1</translation>
    </message>
    <message>
        <source>This row will be skipped: %1</source>
        <translation>Cette ligne sera ignorée : %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format :</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte :</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV :</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Colonne date :</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Colonne bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Colonne montant :</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Colonne mémo :</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Colonne catégorie :</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La première ligne est un en-tête</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Format de date :</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes d&apos;origine QIF :</translation>
    </message>
    <message>
        <source>This file contains multiple accounts. Choose where each should be imported.</source>
        <translation>Ce fichier contient plusieurs comptes. Choisissez où importer chacun d&apos;eux.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1 : %2</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le compte « %1 » —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>This file doesn&apos;t declare its own accounts, so you need a target account to import into. Create one now?</source>
        <translation>Ce fichier ne déclare pas ses propres comptes : il faut un compte de destination pour l&apos;importer. En créer un maintenant ?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée !</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte d&apos;origine non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte d&apos;origine non associé)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Colonne dépôt :</translation>
    </message>
    <message>
        <source>For files with separate columns for money in and money out: the amount column then holds the money out</source>
        <translation>Pour les fichiers qui ont des colonnes distinctes pour les entrées et les sorties d&apos;argent : la colonne montant contient alors les sorties</translation>
    </message>
    <message>
        <source>First records in the file:</source>
        <translation>Premiers enregistrements du fichier :</translation>
    </message>
    <message>
        <source>Dates are read as %1.</source>
        <translation>Les dates sont lues au format %1.</translation>
    </message>
    <message>
        <source>Dates are read as %1, which cannot read &quot;%2&quot; in the first row: choose another date format.</source>
        <translation>Les dates sont lues au format %1, qui ne permet pas de lire « %2 » dans la première ligne : choisissez un autre format de date.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>The import failed; nothing was changed.</source>
        <translation>L&apos;importation a échoué ; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>LineCommitter</name>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Opération rapprochée</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Cette opération est rapprochée. La modifier quand même ?</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nouvelle opération</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nouveau &amp;compte</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Opérations ré&amp;currentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>Ca&amp;tégories</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renommer les &amp;bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;About Varnaby Ledgerwell</source>
        <translation>À &amp;propos de Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Charger des données d&apos;e&amp;xemple</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Effacer les données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Données d&apos;exemple</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Les données d&apos;exemple sont déjà chargées.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Données d&apos;exemple chargées</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>Aucune donnée d&apos;exemple à effacer.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Données d&apos;exemple effacées</translation>
    </message>
    <message>
        <source>About Varnaby Ledgerwell</source>
        <translation>À propos de Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital check register for household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3 licence. See &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; for the framework and its source code.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Un registre de comptes numérique pour les finances du foyer.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Cette application utilise le framework Qt sous licence GNU LGPL version 3. Voir &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; et &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; pour le framework et son code source.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Se connecter...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Nouveautés...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>&amp;Partager...</translation>
    </message>
    <message>
        <source>&amp;Varnaby Account...</source>
        <translation>Compte &amp;Varnaby...</translation>
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
            <numerusform>%n opération récurrente passée automatiquement</numerusform>
            <numerusform>%n opérations récurrentes passées automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring entries that can no longer post were set inactive: %1</source>
        <translation>Les opérations récurrentes qui ne peuvent plus être passées ont été désactivées : %1</translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation>(sans bénéficiaire)</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Sélectionnez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Opération mémorisée comme récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>Supprimer « %1 » ?

Toutes les opérations, opérations récurrentes et l&apos;historique des rapprochements de ce compte seront supprimés. Vous pourrez le restaurer depuis Préférences → Données et synchro.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nouveau compte...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Modifier « %1 »...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historique des rapprochements...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renommer les bénéficiaires...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Supprimer « %1 »</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprocher — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Partager...</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renommer la sélection</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Fusionner la sélection</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Renommer en :</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner les bénéficiaires</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>Fusionner %1 bénéficiaires en « %2 » ?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n opération fusionnée.</numerusform>
            <numerusform>%n opérations fusionnées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Ouvrir le calendrier (F4)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retraits pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Date du relevé :</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Solde du relevé :</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Terminer le rapprochement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Ajouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>Ajouter une opération (Ctrl+N)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Suppr)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Échec du rapprochement</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Le compte a bien été rapproché.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Opération rapprochée</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Cette opération est rapprochée. La modifier quand même ?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération de %1 ?</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Opération non supprimée</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>Impossible d&apos;enregistrer le rapprochement. Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération récurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Avec date de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Passer automatiquement à l&apos;échéance</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Date de fin :</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmer toutes les échéances</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nouvelle récurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 à échéance)</translation>
    </message>
    <message>
        <source>Recurring Not Saved</source>
        <translation>Opération récurrente non enregistrée</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Échec de la confirmation</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Échec de l&apos;omission</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération récurrente « %1 » ?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmer</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The amount is too large</source>
        <translation>Le montant est trop élevé</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>Impossible de supprimer l&apos;opération récurrente</translation>
    </message>
    <message>
        <source>The recurring transaction no longer exists</source>
        <translation>L&apos;opération récurrente n&apos;existe plus</translation>
    </message>
    <message>
        <source>The recurring transaction has a broken date and was stopped</source>
        <translation>L&apos;opération récurrente a une date non valide et a été arrêtée</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Un virement exige que les deux comptes aient la même devise</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
</context>
<context>
    <name>RegisterHeader</name>
    <message>
        <source>Reconcile</source>
        <translation>Rapprocher</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Pointé : %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui : %1</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Chèque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Bénéficiaire / mémo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Ctrl+Entrée : enregistrer  |  Entrée : suivant  |  Ctrl+D : supprimer  |  Ctrl+M : mémoriser  |  &apos; : copier au-dessus</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Champs effacés</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>Supprimer « %1 » de %2 ?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>Supprimer le virement « %1 » de %2 ?

Les deux côtés du virement seront supprimés.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>Mémorisation impossible : l&apos;opération d&apos;origine a une date non valide</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>&amp;Insérer une ligne (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Nouvelle opération... (Ctrl+N)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marquer comme &amp;non pointée</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marquer comme &amp;pointée</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Supprimer (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>L&apos;an dernier</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année vs l&apos;an dernier</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>L&apos;an dernier vs l&apos;année d&apos;avant</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre vs le précédent</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Tax Code Key</source>
        <translation>Légende des codes fiscaux</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Include transfers</source>
        <translation>Inclure les virements</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparaison annuelle</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1 :</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2 :</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer :</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1 : %1 – %2    P2 : %3 – %4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Revenus et dépenses par mois</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Monthly savings</source>
        <translation>Épargne mensuelle</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Virement vers Épargne</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Virement depuis Compte courant</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Épargne</translation>
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
        <translation>Résidence Pinecrest</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Loyer mensuel</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath SA</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Salaire de la quinzaine</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Loyer de février</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Marché Greenleaf</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Courses de la semaine</translation>
    </message>
    <message>
        <source>Sunoco Station</source>
        <translation>Station Sunoco</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Énergie</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Facture d&apos;électricité</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Facture d&apos;eau</translation>
    </message>
    <message>
        <source>Fibernet</source>
        <translation>Fibernet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Abonnement internet</translation>
    </message>
    <message>
        <source>StreamBox</source>
        <translation>StreamBox</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Abonnement mensuel</translation>
    </message>
    <message>
        <source>Osteria Lucca</source>
        <translation>Osteria Lucca</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Dîner au restaurant</translation>
    </message>
    <message>
        <source>Harbor Mutual</source>
        <translation>Harbor Mutuelle</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Église communautaire de l&apos;Espérance</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Don mensuel</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Loyer de mars</translation>
    </message>
    <message>
        <source>Walden Pharmacy</source>
        <translation>Pharmacie Walden</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Ordonnance</translation>
    </message>
    <message>
        <source>Mobilink</source>
        <translation>Mobilink</translation>
    </message>
    <message>
        <source>Phone bill</source>
        <translation>Facture de téléphone</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Versement d&apos;intérêts</translation>
    </message>
    <message>
        <source>QuickBite Delivery</source>
        <translation>QuickBite Livraison</translation>
    </message>
    <message>
        <source>Dinner delivery</source>
        <translation>Dîner livré</translation>
    </message>
    <message>
        <source>Gadget Hub</source>
        <translation>Gadget Hub</translation>
    </message>
    <message>
        <source>USB-C cables</source>
        <translation>Câbles USB-C</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Forfait de stockage en ligne</translation>
    </message>
    <message>
        <source>Bean There Roasters</source>
        <translation>Torréfacteur Bean There</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grains</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Paiement - Merci</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Paiement de la carte de crédit</translation>
    </message>
    <message>
        <source>Page &amp; Code Books</source>
        <translation>Librairie Page &amp; Code</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Livres de programmation</translation>
    </message>
    <message>
        <source>Lunch delivery</source>
        <translation>Déjeuner livré</translation>
    </message>
    <message>
        <source>Wireless mouse</source>
        <translation>Souris sans fil</translation>
    </message>
    <message>
        <source>Algorithms text</source>
        <translation>Manuel d&apos;algorithmique</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Période :</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Pointées uniquement</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Rechercher un bénéficiaire, un mémo, un n° de chèque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Compte :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>to</source>
        <translation>au</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Toutes les catégories</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchro</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Control how Varnaby Ledgerwell looks.</source>
        <translation>Choisissez l&apos;apparence de Varnaby Ledgerwell.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Valeur du système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semaine commence le</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>L&apos;affichage des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Lignes sur deux niveaux</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Affiche le mémo sur une seconde ligne sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher d&apos;abord les opérations les plus récentes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans le registre.</translation>
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
        <translation>Un registre numérique pour suivre les finances du foyer.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Varnaby Ledgerwell.</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage de Varnaby Ledgerwell.</translation>
    </message>
</context>
<context>
    <name>ShortcutsBox</name>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>Insert new transaction (in the register)</source>
        <translation>Insérer une nouvelle opération (dans le registre)</translation>
    </message>
    <message>
        <source>New transaction form (in the register)</source>
        <translation>Formulaire de nouvelle opération (dans le registre)</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Supprimer l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Champ suivant / précédent</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copier la valeur du champ au-dessus</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Champ de date</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Jour suivant / précédent</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Premier / dernier jour du mois</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Premier / dernier jour de l&apos;année</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Premier / dernier jour de la semaine</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>New transaction (outside the register)</source>
        <translation>Nouvelle opération (hors du registre)</translation>
    </message>
    <message>
        <source>New account (everywhere)</source>
        <translation>Nouveau compte (partout)</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Rechercher des opérations</translation>
    </message>
    <message>
        <source>Import (outside the register)</source>
        <translation>Importer (hors du registre)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Opérations récurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Comptes</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Passer au compte 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Passer au compte 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>SidebarModel</name>
    <message>
        <source>No accounts</source>
        <translation>Aucun compte</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total : %1</translation>
    </message>
</context>
<context>
    <name>SignInController</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Échec de la connexion : %1</translation>
    </message>
    <message>
        <source>Waiting for the sign-in in your web browser...</source>
        <translation>En attente de la connexion dans votre navigateur...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Déconnecté</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n compte</numerusform>
            <numerusform>%n comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n récurrente à échéance</numerusform>
            <numerusform>  •  %n récurrentes à échéance</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Synchronisé</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Erreur de synchronisation</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Échec de l&apos;envoi (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Échec de la réception (HTTP %1)</translation>
    </message>
    <message>
        <source>Pulled changes could not be saved: %1</source>
        <translation>Les modifications reçues n&apos;ont pas pu être enregistrées : %1</translation>
    </message>
    <message>
        <source>Push failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Échec de l&apos;envoi : la réponse du serveur est illisible (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Échec de la réception : la réponse du serveur est illisible (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>SyncIndicator</name>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation : %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>Non connecté</translation>
    </message>
</context>
<context>
    <name>SyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Tout resynchroniser</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que :&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État :&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation : %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Se connecter pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les données locales seront de nouveau envoyées au serveur et toutes les données du serveur seront de nouveau téléchargées. À utiliser si les données semblent différer d&apos;un appareil à l&apos;autre.

Continuer ?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
</context>
<context>
    <name>TaxCodes</name>
    <message>
        <source>Charitable contributions</source>
        <translation>Dons</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Frais médicaux et dentaires</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Frais professionnels</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Bureau à domicile</translation>
    </message>
    <message>
        <source>Education expenses</source>
        <translation>Frais de scolarité</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impôts régionaux et locaux</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intérêts d&apos;emprunt</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Revenus locatifs</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Revenus d&apos;activité indépendante</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tapez pour rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointée</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date :</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Bénéficiaire :</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant :</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Mémo :</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N° de chèque :</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>Transfer account not found</source>
        <translation>Compte du virement introuvable</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>Impossible d&apos;enregistrer l&apos;opération</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Un virement nécessite deux comptes différents</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Un virement exige que les deux comptes aient la même devise</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement depuis %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>Le montant est trop élevé</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>L&apos;opération n&apos;existe plus</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>Impossible de supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>The payees could not be renamed</source>
        <translation>Impossible de renommer les bénéficiaires</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour : %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Appareils enregistrés</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Appareils synchronisés avec votre compte.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>Aucun appareil enregistré.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Retirer l&apos;appareil</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>Retirer %1 ?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Appareil retiré.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>Impossible de retirer l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 places sur %2 utilisées</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Inviter des membres</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Inviter par e-mail</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Générer un code d&apos;invitation</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Quitter le groupe</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Aucun groupe</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>Vous ne faites partie d&apos;aucun groupe. Le propriétaire du groupe peut vous inviter, ou vous pouvez rejoindre un groupe avec un code d&apos;invitation.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Rejoindre avec un code</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Membres</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitations en attente</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Code d&apos;invitation : %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Rejoindre un groupe</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Saisissez le code d&apos;invitation :</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Groupe rejoint.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Code d&apos;invitation invalide ou expiré.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Adresse e-mail :</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitation envoyée.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>Impossible d&apos;envoyer l&apos;invitation.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>Impossible de générer le code.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Code d&apos;invitation</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Communiquez ce code à la personne que vous voulez inviter :

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>Quitter ce groupe ? Vous perdrez l&apos;accès aux données partagées.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Vous avez quitté le groupe.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>Impossible de quitter le groupe.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Retirer le membre</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>Retirer %1 du groupe ?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 retiré.</translation>
    </message>
    <message>
        <source>Failed to remove member.</source>
        <translation>Impossible de retirer le membre.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitation révoquée.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>Impossible de révoquer l&apos;invitation.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zone de danger</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Supprimez définitivement votre compte. Cette action est irréversible après 30 jours.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Vous êtes le propriétaire du groupe. Transférez la propriété ou retirez tous les membres avant de supprimer votre compte.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Votre compte sera supprimé définitivement dans 30 jours.

Saisissez DELETE pour confirmer :</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>Impossible de supprimer le compte.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Suppression du compte programmée</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Votre compte sera supprimé définitivement dans 30 jours. Vous pouvez le récupérer en vous connectant d&apos;ici là.</translation>
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
        <translation>Informations personnelles</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nom affiché :</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Modifier le nom affiché</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Modifiez le mot de passe de votre compte.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Changer le mot de passe</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nom affiché mis à jour.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>Impossible de mettre à jour le profil.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Mot de passe actuel :</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nouveau mot de passe (8 caractères min.) :</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>Le mot de passe doit comporter au moins 8 caractères.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirmez le nouveau mot de passe :</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Les mots de passe ne correspondent pas.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Mot de passe modifié.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>Impossible de changer le mot de passe.</translation>
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
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Données et confidentialité</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Client inconnu</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sessions actives</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sessions actuellement connectées à votre compte.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>Aucune session active.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Cette session</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Révoquer</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Session révoquée.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Impossible de partager le compte (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>Impossible de démarrer le serveur d&apos;authentification local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Délai de connexion dépassé</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>Aucun jeton reçu</translation>
    </message>
</context>
<context>
    <name>VarnAccount::RelativeTime</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Actif maintenant</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>il y a %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>il y a %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>il y a %1 j</translation>
    </message>
</context>
<context>
    <name>VarnAccount::ShareMembersDialog</name>
    <message>
        <source>You&apos;re not part of a group yet. Once you belong to one (see File › Varnaby Account...), you can share this account with its members here.</source>
        <translation>Vous ne faites pas encore partie d&apos;un groupe. Dès que vous en rejoignez un (voir Fichier › Compte Varnaby...), vous pourrez partager ce compte ici avec ses membres.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Tous les membres du groupe sont déjà ajoutés</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Partage...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>Impossible de retirer le partage.</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuer sans compte</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Vos finances, partout.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>S&apos;ouvre dans votre navigateur</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte ? Se connecter</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ledgerwell is already open for this data folder.</source>
        <translation>Ledgerwell est déjà ouvert pour ce dossier de données.</translation>
    </message>
</context>
</TS>
