<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Saldo inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>Account &amp;Number:</source>
        <translation>Número de c&amp;uenta:</translation>
    </message>
</context>
<context>
    <name>AccountService</name>
    <message>
        <source>The account needs a name</source>
        <translation>La cuenta necesita un nombre</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>El importe es demasiado grande</translation>
    </message>
    <message>
        <source>The account could not be saved</source>
        <translation>No se pudo guardar la cuenta</translation>
    </message>
    <message>
        <source>The account no longer exists</source>
        <translation>La cuenta ya no existe</translation>
    </message>
    <message>
        <source>The account could not be deleted</source>
        <translation>No se pudo eliminar la cuenta</translation>
    </message>
    <message>
        <source>The account is not deleted</source>
        <translation>La cuenta no está eliminada</translation>
    </message>
    <message>
        <source>The account could not be restored</source>
        <translation>No se pudo restaurar la cuenta</translation>
    </message>
    <message>
        <source>The account order could not be saved</source>
        <translation>No se pudo guardar el orden de las cuentas</translation>
    </message>
</context>
<context>
    <name>AccountWindows</name>
    <message>
        <source>Varnaby Account</source>
        <translation>Cuenta Varnaby</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Sharing: %1</source>
        <translation>Compartiendo: %1</translation>
    </message>
    <message>
        <source>Share this account with members of your Varnaby family group. They&apos;ll see the same register, balances, and reconciliation history on their devices.</source>
        <translation>Comparte esta cuenta con los miembros de tu grupo familiar de Varnaby. Verán el mismo registro, los mismos saldos y el mismo historial de conciliación en sus dispositivos.</translation>
    </message>
    <message>
        <source>Shared with</source>
        <translation>Compartida con</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove Selected</source>
        <translation>Quitar seleccionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Share Failed</source>
        <translation>Error al compartir</translation>
    </message>
    <message>
        <source>Remove Failed</source>
        <translation>Error al quitar</translation>
    </message>
    <message>
        <source>Remove Share</source>
        <translation>Quitar acceso compartido</translation>
    </message>
    <message>
        <source>Remove %1&apos;s access to this account?</source>
        <translation>¿Quitar el acceso de %1 a esta cuenta?</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Selecciona primero una cuenta</translation>
    </message>
    <message>
        <source>Sign In Required</source>
        <translation>Es necesario iniciar sesión</translation>
    </message>
    <message>
        <source>Sharing requires a Varnaby account. Sign in via File › Sign In to enable sharing.</source>
        <translation>Para compartir necesitas una cuenta Varnaby. Inicia sesión en Archivo › Iniciar sesión para activarlo.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>A check register for household finances.</source>
        <translation>Un registro de cheques para las finanzas del hogar.</translation>
    </message>
    <message>
        <source>A QIF or CSV file to open in the import window.</source>
        <translation>Un archivo QIF o CSV que se abrirá en la ventana de importación.</translation>
    </message>
    <message>
        <source>Database Error</source>
        <translation>Error de la base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

Please check file permissions and try again.</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>The backup is too large to restore: it expands to more than 2 GiB.</source>
        <translation>La copia de seguridad es demasiado grande para restaurarla: ocupa más de 2 GiB al descomprimirse.</translation>
    </message>
    <message>
        <source>The backup is not a Ledgerwell backup: its entry %1 expands more than 200 times.</source>
        <translation>No es una copia de seguridad de Ledgerwell: su entrada %1 se expande más de 200 veces.</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
    <message>
        <source>Import cancelled; nothing was changed.</source>
        <translation>Importación cancelada; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The backup could not be imported; nothing was changed.</source>
        <translation>No se pudo importar la copia de seguridad; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The export was cancelled.</source>
        <translation>Se canceló la exportación.</translation>
    </message>
    <message>
        <source>The data file could not be read whole, so no backup was written: %1. Check the data file (ledgerwell-cli check).</source>
        <translation>No se pudo leer el archivo de datos completo, así que no se escribió ninguna copia de seguridad: %1. Compruebe el archivo de datos (ledgerwell-cli check).</translation>
    </message>
    <message>
        <source>%1 after %2 rows: %3</source>
        <translation>%1 tras %2 filas: %3</translation>
    </message>
    <message>
        <source>%1: the amount is larger than Ledgerwell can hold</source>
        <translation>%1: el importe es mayor de lo que Ledgerwell puede guardar</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>+ New Category</source>
        <translation>+ Nueva categoría</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar «%1»? Las transacciones de esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Categoría no guardada</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message numerus="yes">
        <source>Delete &quot;%1&quot;?

Its %n subcategories (%2) become top-level categories and keep their transactions. Transactions using &quot;%1&quot; itself will become uncategorized.</source>
        <translation>
            <numerusform>¿Eliminar «%1»?

Su %n subcategoría (%2) pasará a ser una categoría principal y conservará sus transacciones. Las transacciones que usen la propia «%1» quedarán sin categoría.</numerusform>
            <numerusform>¿Eliminar «%1»?

Sus %n subcategorías (%2) pasarán a ser categorías principales y conservarán sus transacciones. Las transacciones que usen la propia «%1» quedarán sin categoría.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CategoryDialog</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>Category &amp;name:</source>
        <translation>&amp;Nombre de la categoría:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>Ta&amp;x code:</source>
        <translation>Código &amp;fiscal:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>(none: a top-level category)</source>
        <translation>(ninguna: categoría principal)</translation>
    </message>
    <message>
        <source>A category with subcategories stays top-level</source>
        <translation>Una categoría con subcategorías sigue siendo principal</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
</context>
<context>
    <name>CategoryPrompt</name>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; does not exist. Create it?</source>
        <translation>La categoría «%1» no existe. ¿Quiere crearla?</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Charitable Donations</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical Expenses</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Business Expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education Expenses</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>State &amp; Local Taxes</source>
        <translation>Impuestos locales</translation>
    </message>
    <message>
        <source>Mortgage Interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent/Mortgage Payment</source>
        <translation>Alquiler/hipoteca</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Mantenimiento</translation>
    </message>
    <message>
        <source>HOA</source>
        <translation>Comunidad de propietarios</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Suministros</translation>
    </message>
    <message>
        <source>Electric</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Gas/Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Car Payment</source>
        <translation>Cuota del coche</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Dining &amp; Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Ocio</translation>
    </message>
    <message>
        <source>Streaming</source>
        <translation>Streaming</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Cine</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Compras</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Electronics</source>
        <translation>Electrónica</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Insurance</source>
        <translation>Seguros</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Life</source>
        <translation>Vida</translation>
    </message>
    <message>
        <source>Home/Renters</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Fees &amp; Charges</source>
        <translation>Comisiones y cargos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>ATM Fees</source>
        <translation>Comisiones de cajero</translation>
    </message>
    <message>
        <source>Late Fees</source>
        <translation>Recargos por demora</translation>
    </message>
    <message>
        <source>Salary / Wages</source>
        <translation>Nómina</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend Income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental Income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Freelance / Consulting</source>
        <translation>Trabajo autónomo</translation>
    </message>
    <message>
        <source>Refunds</source>
        <translation>Reembolsos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
    <message>
        <source>A category needs a name</source>
        <translation>La categoría necesita un nombre</translation>
    </message>
    <message>
        <source>The parent category no longer exists</source>
        <translation>La categoría principal ya no existe</translation>
    </message>
    <message>
        <source>Categories have two levels: a subcategory cannot have children</source>
        <translation>Las categorías tienen dos niveles: una subcategoría no puede tener subcategorías</translation>
    </message>
    <message>
        <source>The category could not be saved</source>
        <translation>No se pudo guardar la categoría</translation>
    </message>
    <message>
        <source>The category could not be deleted</source>
        <translation>No se pudo eliminar la categoría</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has subcategories, so it stays a top-level category</source>
        <translation>«%1» tiene subcategorías, así que sigue siendo una categoría principal</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>too few columns</source>
        <translation>faltan columnas</translation>
    </message>
    <message>
        <source>no date in this format</source>
        <translation>no hay fecha en este formato</translation>
    </message>
</context>
<context>
    <name>DamageGuard</name>
    <message>
        <source>Save What Can Be Read</source>
        <translation>Guardar lo que se puede leer</translation>
    </message>
    <message>
        <source>Backup Files (*.zip)</source>
        <translation>Copias de seguridad (*.zip)</translation>
    </message>
    <message>
        <source>Data File Damaged</source>
        <translation>Archivo de datos dañado</translation>
    </message>
    <message>
        <source>%1

Balances, lists and reports may be incomplete. Save what can still be read (Settings, Data &amp; Sync, Export) and check the file with &apos;ledgerwell-cli check&apos;.</source>
        <translation>%1

Es posible que los saldos, las listas y los informes estén incompletos. Guarde lo que todavía se puede leer (Preferencias, Datos y sincronización, Exportar copia) y compruebe el archivo con &apos;ledgerwell-cli check&apos;.</translation>
    </message>
    <message>
        <source>Ledgerwell did not close normally last time, and the data file is damaged:

%1

Save what can still be read to a backup file now?</source>
        <translation>Ledgerwell no se cerró correctamente la última vez y el archivo de datos está dañado:

%1

¿Guardar ahora en una copia de seguridad lo que todavía se puede leer?</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Everything was saved to %1.</source>
        <translation>Se guardó todo en %1.</translation>
    </message>
    <message>
        <source>What could be read was saved to %1. Not saved:
%2</source>
        <translation>Lo que se pudo leer se guardó en %1. No se guardó:
%2</translation>
    </message>
</context>
<context>
    <name>DataSyncPage</name>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your ledgerwell in sync across all your devices.</source>
        <translation>Mantenga sus cuentas sincronizadas en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que ha eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Exporting backup...</source>
        <translation>Exportando la copia de seguridad...</translation>
    </message>
    <message>
        <source>Export cancelled; no file was written.</source>
        <translation>Exportación cancelada; no se ha escrito ningún archivo.</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Sustituir todo por los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar fechas)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Could not read file.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Importing backup...</source>
        <translation>Importando la copia de seguridad...</translation>
    </message>
    <message>
        <source>Imported %1 items, skipped %2.</source>
        <translation>Importados: %1 elementos; omitidos: %2.</translation>
    </message>
    <message numerus="yes">
        <source>

%n error(s) occurred.</source>
        <translation>
            <numerusform>

Se produjo %n error.</numerusform>
            <numerusform>

Se produjeron %n errores.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Restore Failed</source>
        <translation>Error al restaurar</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>%1 is not a Ledgerwell data file.</source>
        <translation>%1 no es un archivo de datos de Ledgerwell.</translation>
    </message>
    <message>
        <source>The data file was written by a newer version of Ledgerwell (schema %1; this version knows up to %2). Update Ledgerwell to open it.</source>
        <translation>El archivo de datos lo escribió una versión más reciente de Ledgerwell (esquema %1; esta versión admite hasta el %2). Actualice Ledgerwell para abrirlo.</translation>
    </message>
    <message>
        <source>The disk is full. Nothing was changed.</source>
        <translation>El disco está lleno. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The data file is read-only. Nothing was changed.</source>
        <translation>El archivo de datos es de solo lectura. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The data file is busy (another Ledgerwell program is writing). Nothing was changed; try again.</source>
        <translation>El archivo de datos está ocupado (otro programa Ledgerwell está escribiendo). No se ha cambiado nada; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The data file could not be written (a disk error). Nothing was changed.</source>
        <translation>No se pudo escribir el archivo de datos (error de disco). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The data file is damaged. Nothing was changed.</source>
        <translation>El archivo de datos está dañado. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Part of the data file could not be read (%1).</source>
        <translation>No se pudo leer parte del archivo de datos (%1).</translation>
    </message>
</context>
<context>
    <name>EmptyStatePage</name>
    <message>
        <source>Create Account</source>
        <translation>Crear cuenta</translation>
    </message>
    <message>
        <source>Welcome to Varnaby Ledgerwell</source>
        <translation>Bienvenido a Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Create your first account to get started.</source>
        <translation>Cree su primera cuenta para empezar.</translation>
    </message>
    <message>
        <source>You can also import transactions from a CSV file via File › Import.</source>
        <translation>También puede importar transacciones desde un archivo CSV en Archivo › Importar.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Se abre en su navegador web</translation>
    </message>
</context>
<context>
    <name>EntryReader</name>
    <message>
        <source>Enter a payment or deposit amount</source>
        <translation>Introduzca el importe de un pago o de un depósito</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount</source>
        <translation>«%1» no es un importe</translation>
    </message>
    <message>
        <source>Payee is required</source>
        <translation>El beneficiario es obligatorio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date: type it as M/d/yyyy</source>
        <translation>«%1» no es una fecha: escríbala como M/d/aaaa</translation>
    </message>
</context>
<context>
    <name>ImportPreviewTable</name>
    <message numerus="yes">
        <source>(split: %n line(s))</source>
        <translation>
            <numerusform>(dividida: %n línea)</numerusform>
            <numerusform>(dividida: %n líneas)</numerusform>
        </translation>
    </message>
    <message>
        <source>Date as read</source>
        <translation>Fecha leída</translation>
    </message>
    <message>
        <source>Amount as read</source>
        <translation>Importe leído</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>This amount cannot be read and imports as 0</source>
        <translation>Este importe no se puede leer y se importará como 0</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>Omitida: %1</translation>
    </message>
    <message>
        <source>This row will be skipped: %1</source>
        <translation>Esta fila se omitirá: %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>Date column:</source>
        <translation>Columna de fecha:</translation>
    </message>
    <message>
        <source>Payee column:</source>
        <translation>Columna de beneficiario:</translation>
    </message>
    <message>
        <source>Amount column:</source>
        <translation>Columna de importe:</translation>
    </message>
    <message>
        <source>Memo column:</source>
        <translation>Columna de nota:</translation>
    </message>
    <message>
        <source>Category column:</source>
        <translation>Columna de categoría:</translation>
    </message>
    <message>
        <source>First row is header</source>
        <translation>La primera fila es el encabezado</translation>
    </message>
    <message>
        <source>Date format:</source>
        <translation>Formato de fecha:</translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>This file contains multiple accounts. Choose where each should be imported.</source>
        <translation>Este archivo contiene varias cuentas. Elija dónde importar cada una.</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta «%1» —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>No hay cuenta de destino</translation>
    </message>
    <message>
        <source>This file doesn&apos;t declare its own accounts, so you need a target account to import into. Create one now?</source>
        <translation>Este archivo no declara sus propias cuentas, así que necesita una cuenta de destino para importarlo. ¿Quiere crear una ahora?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Import failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n registro omitido (ilegible)</numerusform>
            <numerusform>%n registros omitidos (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n registro de metadatos omitido</numerusform>
            <numerusform>%n registros de metadatos omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n registro omitido (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n registros omitidos (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message>
        <source>Deposit column:</source>
        <translation>Columna de depósito:</translation>
    </message>
    <message>
        <source>For files with separate columns for money in and money out: the amount column then holds the money out</source>
        <translation>Para archivos con columnas separadas para entradas y salidas de dinero: la columna de importe contiene entonces las salidas</translation>
    </message>
    <message>
        <source>First records in the file:</source>
        <translation>Primeros registros del archivo:</translation>
    </message>
    <message>
        <source>Dates are read as %1.</source>
        <translation>Las fechas se leen como %1.</translation>
    </message>
    <message>
        <source>Dates are read as %1, which cannot read &quot;%2&quot; in the first row: choose another date format.</source>
        <translation>Las fechas se leen como %1, que no puede leer «%2» en la primera fila: elija otro formato de fecha.</translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>The import failed; nothing was changed.</source>
        <translation>La importación falló; no se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>LineCommitter</name>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Transacción conciliada</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Esta transacción está conciliada. ¿Modificarla de todos modos?</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Transaction</source>
        <translation>&amp;Nueva transacción</translation>
    </message>
    <message>
        <source>New &amp;Account</source>
        <translation>Nueva &amp;cuenta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Buscar...</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>Re&amp;curring Transactions</source>
        <translation>Transacciones &amp;recurrentes</translation>
    </message>
    <message>
        <source>C&amp;ategories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar...</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename &amp;Payees...</source>
        <translation>Renombrar &amp;beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Varnaby Ledgerwell</source>
        <translation>&amp;Acerca de Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>Atajos de &amp;teclado</translation>
    </message>
    <message>
        <source>Load &amp;Sample Data</source>
        <translation>Cargar datos de &amp;ejemplo</translation>
    </message>
    <message>
        <source>&amp;Clear Sample Data</source>
        <translation>&amp;Borrar datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample Data</source>
        <translation>Datos de ejemplo</translation>
    </message>
    <message>
        <source>Sample data is already loaded.</source>
        <translation>Los datos de ejemplo ya están cargados.</translation>
    </message>
    <message>
        <source>Sample data loaded</source>
        <translation>Datos de ejemplo cargados</translation>
    </message>
    <message>
        <source>No sample data to clear.</source>
        <translation>No hay datos de ejemplo que borrar.</translation>
    </message>
    <message>
        <source>Sample data cleared</source>
        <translation>Datos de ejemplo borrados</translation>
    </message>
    <message>
        <source>About Varnaby Ledgerwell</source>
        <translation>Acerca de Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;A digital check register for household finances.&lt;/p&gt;&lt;p&gt;&lt;small&gt;This application uses the Qt framework under the GNU LGPL version 3 licence. See &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; and &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; for the framework and its source code.&lt;/small&gt;&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Varnaby Ledgerwell&lt;/h3&gt;&lt;p&gt;Versión %1&lt;/p&gt;&lt;p&gt;Un registro de cheques digital para las finanzas del hogar.&lt;/p&gt;&lt;p&gt;&lt;small&gt;Esta aplicación usa el framework Qt bajo la licencia GNU LGPL versión 3. Consulte &lt;a href=&quot;https://www.qt.io/&quot;&gt;qt.io&lt;/a&gt; y &lt;a href=&quot;https://code.qt.io/&quot;&gt;code.qt.io&lt;/a&gt; para obtener el framework y su código fuente.&lt;/small&gt;&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>Iniciar s&amp;esión...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Ce&amp;rrar sesión</translation>
    </message>
    <message>
        <source>What&apos;s &amp;New...</source>
        <translation>&amp;Novedades...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar act&amp;ualizaciones...</translation>
    </message>
    <message>
        <source>&amp;Share...</source>
        <translation>Co&amp;mpartir...</translation>
    </message>
    <message>
        <source>&amp;Varnaby Account...</source>
        <translation>Cuenta &amp;Varnaby...</translation>
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
            <numerusform>Se registró automáticamente %n transacción recurrente</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones recurrentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Recurring entries that can no longer post were set inactive: %1</source>
        <translation>Las transacciones recurrentes que ya no pueden registrarse se han desactivado: %1</translation>
    </message>
    <message>
        <source>(no payee)</source>
        <translation>(sin beneficiario)</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Transaction memorized as recurring</source>
        <translation>Transacción guardada como recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;?

All transactions, recurring entries, and reconciliation history for this account will be removed. You can restore it from Preferences → Data &amp; Sync.</source>
        <translation>¿Eliminar «%1»?

Se quitarán todas las transacciones, transacciones recurrentes e historial de conciliaciones de esta cuenta. Puede restaurarla en Preferencias → Datos y sincronización.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>New Account...</source>
        <translation>Nueva cuenta...</translation>
    </message>
    <message>
        <source>Edit &quot;%1&quot;...</source>
        <translation>Editar «%1»...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation History...</source>
        <translation>Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>Rename Payees...</source>
        <translation>Renombrar beneficiarios...</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;</source>
        <translation>Eliminar «%1»</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Search Transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Share...</source>
        <translation>Compartir...</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Rename Selected</source>
        <translation>Renombrar selección</translation>
    </message>
    <message>
        <source>Merge Selected</source>
        <translation>Combinar selección</translation>
    </message>
    <message>
        <source>Rename to:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se renombró %n transacción.</numerusform>
            <numerusform>Se renombraron %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para combinarlos.</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Combinar beneficiarios</translation>
    </message>
    <message>
        <source>Merge %1 payees into &quot;%2&quot;?</source>
        <translation>¿Combinar %1 beneficiarios en «%2»?</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Combinación completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se combinó %n transacción.</numerusform>
            <numerusform>Se combinaron %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Open calendar (F4)</source>
        <translation>Abrir calendario (F4)</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aún no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Retiros compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Date:</source>
        <translation>Fecha del extracto:</translation>
    </message>
    <message>
        <source>Statement Balance:</source>
        <translation>Saldo del extracto:</translation>
    </message>
    <message>
        <source>Finish Reconciliation</source>
        <translation>Finalizar conciliación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Add Transaction</source>
        <translation>Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (Ctrl+N)</source>
        <translation>Añadir una transacción (Ctrl+N)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Reconciliation Failed</source>
        <translation>Error en la conciliación</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se ha conciliado correctamente.</translation>
    </message>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Transacción no guardada</translation>
    </message>
    <message>
        <source>Reconciled Transaction</source>
        <translation>Transacción conciliada</translation>
    </message>
    <message>
        <source>This transaction is reconciled. Change it anyway?</source>
        <translation>Esta transacción está conciliada. ¿Modificarla de todos modos?</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>Transaction Not Deleted</source>
        <translation>Transacción no eliminada</translation>
    </message>
</context>
<context>
    <name>ReconciliationService</name>
    <message>
        <source>The reconciliation could not be saved. Nothing was changed.</source>
        <translation>No se pudo guardar la conciliación. No se ha cambiado nada.</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción recurrente</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción recurrente</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Has end date</source>
        <translation>Tiene fecha de fin</translation>
    </message>
    <message>
        <source>Auto-post when due</source>
        <translation>Registrar automáticamente al vencer</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Start Date:</source>
        <translation>Fecha de inicio:</translation>
    </message>
    <message>
        <source>End Date:</source>
        <translation>Fecha de fin:</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Confirm All Due</source>
        <translation>Confirmar todas las vencidas</translation>
    </message>
    <message>
        <source>New Recurring</source>
        <translation>Nueva recurrente</translation>
    </message>
    <message>
        <source>(%1 due)</source>
        <translation>(%1 vencidas)</translation>
    </message>
    <message>
        <source>Recurring Not Saved</source>
        <translation>Transacción recurrente no guardada</translation>
    </message>
    <message>
        <source>Confirm Failed</source>
        <translation>Error al confirmar</translation>
    </message>
    <message>
        <source>Skip Failed</source>
        <translation>Error al omitir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción recurrente «%1»?</translation>
    </message>
    <message>
        <source>Delete Failed</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>RecurringService</name>
    <message>
        <source>The amount is too large</source>
        <translation>El importe es demasiado grande</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved</source>
        <translation>No se pudo guardar la transacción recurrente</translation>
    </message>
    <message>
        <source>The recurring transaction could not be deleted</source>
        <translation>No se pudo eliminar la transacción recurrente</translation>
    </message>
    <message>
        <source>The recurring transaction no longer exists</source>
        <translation>La transacción recurrente ya no existe</translation>
    </message>
    <message>
        <source>The recurring transaction has a broken date and was stopped</source>
        <translation>La transacción recurrente tiene una fecha no válida y se ha detenido</translation>
    </message>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>No se pudo guardar la transacción</translation>
    </message>
</context>
<context>
    <name>RegisterDelegate</name>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>RegisterHeader</name>
    <message>
        <source>Reconcile</source>
        <translation>Conciliar</translation>
    </message>
    <message>
        <source>Cleared: %1</source>
        <translation>Compensado: %1</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>Hoy: %1</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Chk #</source>
        <translation>Cheque</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Payee / Memo</source>
        <translation>Beneficiario / nota</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>Ctrl+Enter: save  |  Enter: next  |  Ctrl+D: delete  |  Ctrl+M: memorize  |  &apos;: copy above</source>
        <translation>Ctrl+Intro: guardar  |  Intro: siguiente  |  Ctrl+D: eliminar  |  Ctrl+M: memorizar  |  &apos;: copiar la de arriba</translation>
    </message>
    <message>
        <source>Fields cleared</source>
        <translation>Campos borrados</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; for %2?</source>
        <translation>¿Eliminar «%1» por %2?</translation>
    </message>
    <message>
        <source>Delete transfer &quot;%1&quot; for %2?

Both sides of the transfer will be deleted.</source>
        <translation>¿Eliminar la transferencia «%1» por %2?

Se eliminarán ambos lados de la transferencia.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>Cannot memorize: source transaction has an invalid date</source>
        <translation>No se puede memorizar: la transacción de origen tiene una fecha no válida</translation>
    </message>
    <message>
        <source>&amp;Insert New (Ctrl+I)</source>
        <translation>&amp;Insertar nueva (Ctrl+I)</translation>
    </message>
    <message>
        <source>&amp;New Transaction... (Ctrl+N)</source>
        <translation>&amp;Nueva transacción... (Ctrl+N)</translation>
    </message>
    <message>
        <source>Mark &amp;Uncleared</source>
        <translation>Marcar como &amp;no compensada</translation>
    </message>
    <message>
        <source>Mark &amp;Cleared</source>
        <translation>Marcar como &amp;compensada</translation>
    </message>
    <message>
        <source>&amp;Delete (Ctrl+D)</source>
        <translation>&amp;Eliminar (Ctrl+D)</translation>
    </message>
</context>
<context>
    <name>ReportPresets</name>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al pasado</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
</context>
<context>
    <name>ReportTable</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Periodo 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Periodo 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Tax Code Key</source>
        <translation>Leyenda de códigos fiscales</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>Periodo:</translation>
    </message>
    <message>
        <source>Include transfers</source>
        <translation>Incluir transferencias</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>P1: %1 – %2    P2: %3 – %4</source>
        <translation>P1: %1 – %2    P2: %3 – %4</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Spending by category</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Income and expenses by month</source>
        <translation>Ingresos y gastos por mes</translation>
    </message>
</context>
<context>
    <name>SampleDataService</name>
    <message>
        <source>Monthly savings</source>
        <translation>Ahorro mensual</translation>
    </message>
    <message>
        <source>Transfer to Savings</source>
        <translation>Transferencia a Ahorro</translation>
    </message>
    <message>
        <source>Transfer from Checking</source>
        <translation>Transferencia desde Cuenta corriente</translation>
    </message>
    <message>
        <source>Main Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Riverbend Credit Union</source>
        <translation>Riverbend Credit Union</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Ahorro</translation>
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
        <translation>Apartamentos Pinecrest</translation>
    </message>
    <message>
        <source>Monthly rent</source>
        <translation>Alquiler mensual</translation>
    </message>
    <message>
        <source>Brightpath Inc</source>
        <translation>Brightpath S.A.</translation>
    </message>
    <message>
        <source>Biweekly paycheck</source>
        <translation>Nómina quincenal</translation>
    </message>
    <message>
        <source>February rent</source>
        <translation>Alquiler de febrero</translation>
    </message>
    <message>
        <source>Greenleaf Market</source>
        <translation>Mercado Greenleaf</translation>
    </message>
    <message>
        <source>Weekly groceries</source>
        <translation>Compra semanal</translation>
    </message>
    <message>
        <source>Sunoco Station</source>
        <translation>Gasolinera Sunoco</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Lakeside Utilities</source>
        <translation>Lakeside Suministros</translation>
    </message>
    <message>
        <source>Electric bill</source>
        <translation>Factura de la luz</translation>
    </message>
    <message>
        <source>Water bill</source>
        <translation>Factura del agua</translation>
    </message>
    <message>
        <source>Fibernet</source>
        <translation>Fibernet</translation>
    </message>
    <message>
        <source>Internet service</source>
        <translation>Servicio de internet</translation>
    </message>
    <message>
        <source>StreamBox</source>
        <translation>StreamBox</translation>
    </message>
    <message>
        <source>Monthly subscription</source>
        <translation>Suscripción mensual</translation>
    </message>
    <message>
        <source>Osteria Lucca</source>
        <translation>Osteria Lucca</translation>
    </message>
    <message>
        <source>Dinner out</source>
        <translation>Cena fuera</translation>
    </message>
    <message>
        <source>Harbor Mutual</source>
        <translation>Harbor Mutual Seguros</translation>
    </message>
    <message>
        <source>Auto insurance</source>
        <translation>Seguro del coche</translation>
    </message>
    <message>
        <source>Hope Community Church</source>
        <translation>Iglesia Comunidad Esperanza</translation>
    </message>
    <message>
        <source>Monthly donation</source>
        <translation>Donativo mensual</translation>
    </message>
    <message>
        <source>March rent</source>
        <translation>Alquiler de marzo</translation>
    </message>
    <message>
        <source>Walden Pharmacy</source>
        <translation>Farmacia Walden</translation>
    </message>
    <message>
        <source>Prescription</source>
        <translation>Receta médica</translation>
    </message>
    <message>
        <source>Mobilink</source>
        <translation>Mobilink</translation>
    </message>
    <message>
        <source>Phone bill</source>
        <translation>Factura del teléfono</translation>
    </message>
    <message>
        <source>Interest payment</source>
        <translation>Abono de intereses</translation>
    </message>
    <message>
        <source>QuickBite Delivery</source>
        <translation>QuickBite a domicilio</translation>
    </message>
    <message>
        <source>Dinner delivery</source>
        <translation>Cena a domicilio</translation>
    </message>
    <message>
        <source>Gadget Hub</source>
        <translation>Gadget Hub</translation>
    </message>
    <message>
        <source>USB-C cables</source>
        <translation>Cables USB-C</translation>
    </message>
    <message>
        <source>CloudWatch Plus</source>
        <translation>CloudWatch Plus</translation>
    </message>
    <message>
        <source>Cloud storage plan</source>
        <translation>Plan de almacenamiento en la nube</translation>
    </message>
    <message>
        <source>Bean There Roasters</source>
        <translation>Tostadores Bean There</translation>
    </message>
    <message>
        <source>Coffee beans</source>
        <translation>Café en grano</translation>
    </message>
    <message>
        <source>Payment - Thank You</source>
        <translation>Pago - Gracias</translation>
    </message>
    <message>
        <source>Credit card payment</source>
        <translation>Pago de la tarjeta de crédito</translation>
    </message>
    <message>
        <source>Page &amp; Code Books</source>
        <translation>Librería Page &amp; Code</translation>
    </message>
    <message>
        <source>Programming books</source>
        <translation>Libros de programación</translation>
    </message>
    <message>
        <source>Lunch delivery</source>
        <translation>Comida a domicilio</translation>
    </message>
    <message>
        <source>Wireless mouse</source>
        <translation>Ratón inalámbrico</translation>
    </message>
    <message>
        <source>Algorithms text</source>
        <translation>Manual de algoritmos</translation>
    </message>
</context>
<context>
    <name>SearchResultsModel</name>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
</context>
<context>
    <name>SearchScreen</name>
    <message>
        <source>Date range:</source>
        <translation>Intervalo de fechas:</translation>
    </message>
    <message>
        <source>Cleared only</source>
        <translation>Solo compensadas</translation>
    </message>
    <message>
        <source>No results</source>
        <translation>No hay resultados</translation>
    </message>
    <message>
        <source>Search payee, memo, check number...</source>
        <translation>Buscar beneficiario, nota, número de cheque...</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Cuenta:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
    <message>
        <source>All Categories</source>
        <translation>Todas las categorías</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Control how Varnaby Ledgerwell looks.</source>
        <translation>Elija el aspecto de Varnaby Ledgerwell.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Muestra la nota en una segunda línea bajo el beneficiario.</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Elija el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital ledgerwell register for tracking household finances.</source>
        <translation>Un registro digital para llevar las finanzas del hogar.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Varnaby Ledgerwell.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Varnaby Ledgerwell.</translation>
    </message>
</context>
<context>
    <name>ShortcutsBox</name>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Save transaction</source>
        <translation>Guardar la transacción</translation>
    </message>
    <message>
        <source>Insert new transaction (in the register)</source>
        <translation>Insertar una transacción nueva (en el registro)</translation>
    </message>
    <message>
        <source>New transaction form (in the register)</source>
        <translation>Formulario de transacción nueva (en el registro)</translation>
    </message>
    <message>
        <source>Delete current transaction</source>
        <translation>Eliminar la transacción actual</translation>
    </message>
    <message>
        <source>Next / previous field</source>
        <translation>Campo siguiente / anterior</translation>
    </message>
    <message>
        <source>Copy value from field above</source>
        <translation>Copiar el valor del campo de arriba</translation>
    </message>
    <message>
        <source>Date Field</source>
        <translation>Campo de fecha</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next / previous day</source>
        <translation>Día siguiente / anterior</translation>
    </message>
    <message>
        <source>First / last day of month</source>
        <translation>Primer / último día del mes</translation>
    </message>
    <message>
        <source>First / last day of year</source>
        <translation>Primer / último día del año</translation>
    </message>
    <message>
        <source>First / last day of week</source>
        <translation>Primer / último día de la semana</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>New transaction (outside the register)</source>
        <translation>Transacción nueva (fuera del registro)</translation>
    </message>
    <message>
        <source>New account (everywhere)</source>
        <translation>Cuenta nueva (en cualquier lugar)</translation>
    </message>
    <message>
        <source>Reconcile account</source>
        <translation>Conciliar la cuenta</translation>
    </message>
    <message>
        <source>Search transactions</source>
        <translation>Buscar transacciones</translation>
    </message>
    <message>
        <source>Import (outside the register)</source>
        <translation>Importar (fuera del registro)</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Recurring transactions</source>
        <translation>Transacciones recurrentes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Switch to account 1&amp;ndash;9</source>
        <translation>Ir a la cuenta 1&amp;ndash;9</translation>
    </message>
    <message>
        <source>Switch to account 10</source>
        <translation>Ir a la cuenta 10</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Atajos de teclado</translation>
    </message>
</context>
<context>
    <name>SidebarModel</name>
    <message>
        <source>No accounts</source>
        <translation>No hay cuentas</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Total: %1</translation>
    </message>
</context>
<context>
    <name>SignInController</name>
    <message>
        <source>Signed in successfully</source>
        <translation>Sesión iniciada correctamente</translation>
    </message>
    <message>
        <source>Sign-in failed: %1</source>
        <translation>Error al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Waiting for the sign-in in your web browser...</source>
        <translation>Esperando el inicio de sesión en su navegador web...</translation>
    </message>
    <message>
        <source>Signed out</source>
        <translation>Sesión cerrada</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message numerus="yes">
        <source>%n account(s)</source>
        <translation>
            <numerusform>%n cuenta</numerusform>
            <numerusform>%n cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  •  %n recurring due</source>
        <translation>
            <numerusform>  •  %n recurrente vencida</numerusform>
            <numerusform>  •  %n recurrentes vencidas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncEngine</name>
    <message>
        <source>Synced</source>
        <translation>Sincronizado</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>Sync error</source>
        <translation>Error de sincronización</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Sin conexión</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Push failed (HTTP %1)</source>
        <translation>Error al enviar los cambios (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed (HTTP %1)</source>
        <translation>Error al recibir los cambios (HTTP %1)</translation>
    </message>
    <message>
        <source>Pulled changes could not be saved: %1</source>
        <translation>No se pudieron guardar los cambios recibidos: %1</translation>
    </message>
    <message>
        <source>Push failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Error al enviar los cambios: no se pudo leer la respuesta del servidor (HTTP %1)</translation>
    </message>
    <message>
        <source>Pull failed: the server&apos;s answer could not be read (HTTP %1)</source>
        <translation>Error al recibir los cambios: no se pudo leer la respuesta del servidor (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>SyncIndicator</name>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Not signed in</source>
        <translation>No ha iniciado sesión</translation>
    </message>
</context>
<context>
    <name>SyncSection</name>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Not signed in.
Sign in via File › Sign In to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Iniciar sesión para activar la sincronización.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir todas las filas locales al servidor y a descargar todos los datos del servidor. Úselo si los datos no coinciden entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
</context>
<context>
    <name>TaxCodes</name>
    <message>
        <source>Charitable contributions</source>
        <translation>Donativos</translation>
    </message>
    <message>
        <source>Medical and dental expenses</source>
        <translation>Gastos médicos y dentales</translation>
    </message>
    <message>
        <source>Business expenses</source>
        <translation>Gastos profesionales</translation>
    </message>
    <message>
        <source>Home office</source>
        <translation>Oficina en casa</translation>
    </message>
    <message>
        <source>Education expenses</source>
        <translation>Gastos de educación</translation>
    </message>
    <message>
        <source>State and local taxes</source>
        <translation>Impuestos estatales y locales</translation>
    </message>
    <message>
        <source>Mortgage interest</source>
        <translation>Intereses hipotecarios</translation>
    </message>
    <message>
        <source>Property tax</source>
        <translation>Impuesto sobre bienes inmuebles</translation>
    </message>
    <message>
        <source>Interest income</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Dividend income</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Rental income</source>
        <translation>Ingresos por alquiler</translation>
    </message>
    <message>
        <source>Self-employment income</source>
        <translation>Ingresos por cuenta propia</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Escriba para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensada</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Payee:</source>
        <translation>Beneficiario:</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Category:</source>
        <translation>Categoría:</translation>
    </message>
    <message>
        <source>Memo:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>Check #:</source>
        <translation>N.º de cheque:</translation>
    </message>
</context>
<context>
    <name>TransactionService</name>
    <message>
        <source>Transfer account not found</source>
        <translation>No se encontró la cuenta de la transferencia</translation>
    </message>
    <message>
        <source>The transaction could not be saved</source>
        <translation>No se pudo guardar la transacción</translation>
    </message>
    <message>
        <source>A transfer needs two different accounts</source>
        <translation>Una transferencia necesita dos cuentas distintas</translation>
    </message>
    <message>
        <source>Transfers require both accounts to use the same currency</source>
        <translation>Las transferencias requieren que ambas cuentas usen la misma moneda</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transferencia desde %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>The amount is too large</source>
        <translation>El importe es demasiado grande</translation>
    </message>
    <message>
        <source>The transaction no longer exists</source>
        <translation>La transacción ya no existe</translation>
    </message>
    <message>
        <source>The transaction could not be deleted</source>
        <translation>No se pudo eliminar la transacción</translation>
    </message>
    <message>
        <source>The payees could not be renamed</source>
        <translation>No se pudo cambiar el nombre de los beneficiarios</translation>
    </message>
</context>
<context>
    <name>UpdateController</name>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>No se pudo comprobar si hay actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión para %1 %2</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountDevicesPage</name>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Registered Devices</source>
        <translation>Dispositivos registrados</translation>
    </message>
    <message>
        <source>Devices that have synced with your account.</source>
        <translation>Dispositivos que se han sincronizado con tu cuenta.</translation>
    </message>
    <message>
        <source>No devices registered.</source>
        <translation>No hay dispositivos registrados.</translation>
    </message>
    <message>
        <source>Unknown Device</source>
        <translation>Dispositivo desconocido</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove Device</source>
        <translation>Quitar dispositivo</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>¿Quitar %1?</translation>
    </message>
    <message>
        <source>Device removed.</source>
        <translation>Dispositivo quitado.</translation>
    </message>
    <message>
        <source>Failed to remove device.</source>
        <translation>No se pudo quitar el dispositivo.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountGroupPage</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>%1 of %2 seats used</source>
        <translation>%1 de %2 plazas ocupadas</translation>
    </message>
    <message>
        <source>Invite Members</source>
        <translation>Invitar a miembros</translation>
    </message>
    <message>
        <source>Invite by Email</source>
        <translation>Invitar por correo</translation>
    </message>
    <message>
        <source>Generate Invite Code</source>
        <translation>Generar código de invitación</translation>
    </message>
    <message>
        <source>Leave Group</source>
        <translation>Salir del grupo</translation>
    </message>
    <message>
        <source>No Group</source>
        <translation>Sin grupo</translation>
    </message>
    <message>
        <source>You&apos;re not part of a group. The group owner can invite you, or you can join with an invite code.</source>
        <translation>No formas parte de ningún grupo. El propietario del grupo puede invitarte, o puedes unirte con un código de invitación.</translation>
    </message>
    <message>
        <source>Join with Invite Code</source>
        <translation>Unirse con un código</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Pending Invitations</source>
        <translation>Invitaciones pendientes</translation>
    </message>
    <message>
        <source>Invite code: %1</source>
        <translation>Código de invitación: %1</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Join Group</source>
        <translation>Unirse a un grupo</translation>
    </message>
    <message>
        <source>Enter invite code:</source>
        <translation>Introduce el código de invitación:</translation>
    </message>
    <message>
        <source>Joined group.</source>
        <translation>Te has unido al grupo.</translation>
    </message>
    <message>
        <source>Invalid or expired invite code.</source>
        <translation>Código de invitación no válido o caducado.</translation>
    </message>
    <message>
        <source>Email address:</source>
        <translation>Dirección de correo:</translation>
    </message>
    <message>
        <source>Invitation sent.</source>
        <translation>Invitación enviada.</translation>
    </message>
    <message>
        <source>Failed to send invitation.</source>
        <translation>No se pudo enviar la invitación.</translation>
    </message>
    <message>
        <source>Failed to generate code.</source>
        <translation>No se pudo generar el código.</translation>
    </message>
    <message>
        <source>Invite Code</source>
        <translation>Código de invitación</translation>
    </message>
    <message>
        <source>Share this code with the person you want to invite:

%1</source>
        <translation>Comparte este código con la persona que quieras invitar:

%1</translation>
    </message>
    <message>
        <source>Leave this group? You will lose access to shared data.</source>
        <translation>¿Salir de este grupo? Perderás el acceso a los datos compartidos.</translation>
    </message>
    <message>
        <source>Left group.</source>
        <translation>Has salido del grupo.</translation>
    </message>
    <message>
        <source>Failed to leave group.</source>
        <translation>No se pudo salir del grupo.</translation>
    </message>
    <message>
        <source>Remove Member</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Remove %1 from the group?</source>
        <translation>¿Quitar a %1 del grupo?</translation>
    </message>
    <message>
        <source>%1 removed.</source>
        <translation>%1 quitado.</translation>
    </message>
    <message>
        <source>Failed to remove member.</source>
        <translation>No se pudo quitar al miembro.</translation>
    </message>
    <message>
        <source>Invitation revoked.</source>
        <translation>Invitación revocada.</translation>
    </message>
    <message>
        <source>Failed to revoke invitation.</source>
        <translation>No se pudo revocar la invitación.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountPrivacyPage</name>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
    <message>
        <source>Danger Zone</source>
        <translation>Zona de peligro</translation>
    </message>
    <message>
        <source>Permanently delete your account. This cannot be undone after 30 days.</source>
        <translation>Elimina tu cuenta de forma permanente. No se puede deshacer pasados 30 días.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>You are the group owner. Transfer ownership or remove all members before deleting your account.</source>
        <translation>Eres el propietario del grupo. Transfiere la propiedad o quita a todos los miembros antes de eliminar tu cuenta.</translation>
    </message>
    <message>
        <source>This will schedule your account for permanent deletion after 30 days.

Type DELETE to confirm:</source>
        <translation>Tu cuenta se eliminará de forma permanente dentro de 30 días.

Escribe DELETE para confirmar:</translation>
    </message>
    <message>
        <source>Failed to delete account.</source>
        <translation>No se pudo eliminar la cuenta.</translation>
    </message>
    <message>
        <source>Account Scheduled for Deletion</source>
        <translation>Eliminación de la cuenta programada</translation>
    </message>
    <message>
        <source>Your account will be permanently deleted in 30 days. You can recover it by signing in before then.</source>
        <translation>Tu cuenta se eliminará de forma permanente dentro de 30 días. Puedes recuperarla iniciando sesión antes.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountProfilePage</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Personal Information</source>
        <translation>Información personal</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Nombre visible:</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Edit Display Name</source>
        <translation>Editar nombre visible</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Change your account password.</source>
        <translation>Cambia la contraseña de tu cuenta.</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Display name updated.</source>
        <translation>Nombre visible actualizado.</translation>
    </message>
    <message>
        <source>Failed to update profile.</source>
        <translation>No se pudo actualizar el perfil.</translation>
    </message>
    <message>
        <source>Current password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New password (min 8 characters):</source>
        <translation>Nueva contraseña (mín. 8 caracteres):</translation>
    </message>
    <message>
        <source>Password must be at least 8 characters.</source>
        <translation>La contraseña debe tener al menos 8 caracteres.</translation>
    </message>
    <message>
        <source>Confirm new password:</source>
        <translation>Confirma la nueva contraseña:</translation>
    </message>
    <message>
        <source>Passwords do not match.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
    <message>
        <source>Password changed.</source>
        <translation>Contraseña cambiada.</translation>
    </message>
    <message>
        <source>Failed to change password.</source>
        <translation>No se pudo cambiar la contraseña.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountScreen</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Data &amp; Privacy</source>
        <translation>Datos y privacidad</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSecurityPage</name>
    <message>
        <source>Security</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Unknown client</source>
        <translation>Cliente desconocido</translation>
    </message>
    <message>
        <source>Active Sessions</source>
        <translation>Sesiones activas</translation>
    </message>
    <message>
        <source>Sessions currently signed in to your account.</source>
        <translation>Sesiones con la cuenta iniciada en este momento.</translation>
    </message>
    <message>
        <source>No active sessions.</source>
        <translation>No hay sesiones activas.</translation>
    </message>
    <message>
        <source>This session</source>
        <translation>Esta sesión</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>Revoke</source>
        <translation>Revocar</translation>
    </message>
    <message>
        <source>Session revoked.</source>
        <translation>Sesión revocada.</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AccountSharingService</name>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
</context>
<context>
    <name>VarnAccount::AuthClient</name>
    <message>
        <source>Failed to start local auth server</source>
        <translation>No se pudo iniciar el servidor de autenticación local</translation>
    </message>
    <message>
        <source>Sign-in timed out</source>
        <translation>Se agotó el tiempo para iniciar sesión</translation>
    </message>
    <message>
        <source>No tokens received</source>
        <translation>No se recibieron tokens</translation>
    </message>
</context>
<context>
    <name>VarnAccount::RelativeTime</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Active now</source>
        <translation>Activo ahora</translation>
    </message>
    <message>
        <source>%1m ago</source>
        <translation>hace %1 min</translation>
    </message>
    <message>
        <source>%1h ago</source>
        <translation>hace %1 h</translation>
    </message>
    <message>
        <source>%1d ago</source>
        <translation>hace %1 d</translation>
    </message>
</context>
<context>
    <name>VarnAccount::ShareMembersDialog</name>
    <message>
        <source>You&apos;re not part of a group yet. Once you belong to one (see File › Varnaby Account...), you can share this account with its members here.</source>
        <translation>Todavía no formas parte de un grupo. Cuando pertenezcas a uno (consulta Archivo › Cuenta Varnaby...), podrás compartir esta cuenta aquí con sus miembros.</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>All group members already added</source>
        <translation>Ya se han añadido todos los miembros del grupo</translation>
    </message>
    <message>
        <source>Sharing...</source>
        <translation>Compartiendo...</translation>
    </message>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Could not remove share.</source>
        <translation>No se pudo quitar el acceso compartido.</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Las notas de esta versión no están disponibles.*</translation>
    </message>
</context>
<context>
    <name>VarnUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Continue Without an Account</source>
        <translation>Continuar sin cuenta</translation>
    </message>
    <message>
        <source>Varnaby Ledgerwell</source>
        <translation>Varnaby Ledgerwell</translation>
    </message>
    <message>
        <source>Your finances, everywhere.</source>
        <translation>Sus finanzas, en todas partes.</translation>
    </message>
    <message>
        <source>Opens in your web browser</source>
        <translation>Se abre en su navegador web</translation>
    </message>
    <message>
        <source>Sign Out</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Ledgerwell is already open for this data folder.</source>
        <translation>Ledgerwell ya está abierto para esta carpeta de datos.</translation>
    </message>
</context>
</TS>
