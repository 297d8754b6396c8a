#!/usr/bin/env bash
# Proves that check-layers.sh catches each kind of fault it looks for, and passes a clean tree.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
failures=0

reset_tree() {
    rm -rf "$tree/ui" "$tree/register"
    mkdir -p "$tree/ui" "$tree/register"
    printf 'void f()\n{\n    m_state->transactionService()->add(t);\n}\n' > "$tree/ui/clean.cpp"
    printf '#include "register/prompts.h"\n' > "$tree/ui/includes.cpp"
}

expect() { # expect pass|fail LABEL
    if bash "$here/check-layers.sh" "$tree" > /dev/null; then result=pass; else result=fail; fi
    if [ "$result" != "$1" ]; then
        echo "FAIL: $2 (check said $result)"
        failures=$((failures + 1))
    fi
}

reset_tree
expect pass "a clean tree"
for line in 'm_state->transactionRepository()->insert(t);' \
            'accountRepository()->updateSortOrders(orders);' \
            'm_preferencesRepository->setBool(key, true);' \
            'QSqlDatabase db = m_state->database()->database(); db.transaction();' \
            'm_state->database()->inTransaction([] { return true; });'; do
    reset_tree
    printf 'void f()\n{\n    %s\n}\n' "$line" > "$tree/ui/bad.cpp"
    expect fail "$line"
done
reset_tree
printf '#include "ui/mainwindow.h"\n' > "$tree/register/bad.cpp"
expect fail "the register including a window header"
reset_tree
seq 601 | sed 's/.*/int x;/' > "$tree/ui/long.cpp"
expect fail "a file above 600 lines"

if [ "$failures" -eq 0 ]; then
    echo "layers self-test: 8 passed, 0 failed"
fi
exit "$failures"
