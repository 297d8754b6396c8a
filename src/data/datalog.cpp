#include "datalog.h"

Q_LOGGING_CATEGORY(lcData, "ledgerwell.data")
