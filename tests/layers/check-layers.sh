#!/usr/bin/env bash
# Fails when a window writes around the domain services, when the register reaches into the
# windows, or when a source file grows past the size we keep files to. Run by CTest.
set -u
src="${1:?usage: check-layers.sh SRC_DIR}"
status=0

writes=$(grep -rnE '([Rr]epository\(\)|\b[A-Za-z_]*([Rr]epo|[Rr]epository))\s*->\s*(insert|update|softDelete[A-Za-z]*|restore[A-Za-z]*|remove|markSynced|markAllPending[A-Za-z]*|rename[A-Za-z]*|merge[A-Za-z]*|upsert|updateSortOrders|set[A-Z][A-Za-z]*)\s*\(' \
    "$src/ui" "$src/register")
transactions=$(grep -rnE '\b(db|database|m_db|m_database|database\(\))\s*(\.|->)\s*(transaction|commit|rollback)\s*\(\s*\)|inTransaction\s*\(|"(BEGIN|COMMIT|ROLLBACK|SAVEPOINT)' \
    "$src/ui" "$src/register")
includes=$(grep -rn '#include "ui/' "$src/register")
long=$(find "$src" -name '*.cpp' -exec wc -l {} + | awk '$2 != "total" && $1 > 600')

report() {
    if [ -n "$2" ]; then
        echo "$1"
        echo "$2" | sed 's/^/  /'
        status=1
    fi
}
report "Windows writing to a repository (use a domain service):" "$writes"
report "Windows opening a database transaction (use a domain service):" "$transactions"
report "The register including window headers (the arrow points from ui/ to register/):" "$includes"
report "Source files above 600 lines:" "$long"
[ $status -eq 0 ] && echo "layers: 1 passed, 0 failed"
exit $status
