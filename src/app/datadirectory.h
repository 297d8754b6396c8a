#pragma once

#include <QString>

// Where the database lives: LEDGERWELL_DATA_DIR when set, else the per-user generic data location
// followed by "/Varnaby/Ledgerwell". The directory is created when missing; a failure to create it
// is not reported here (opening the database then fails).
QString dataDirectory();
QString databasePath();
