#!/usr/bin/env bash
# Refreshes the translation sources from the code: new texts are added as unfinished entries,
# texts that left the code are dropped. Run it after adding or changing a tr() text, then fill in
# the new entries (Qt Linguist, or by hand). English only carries the plural forms.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
i18n=src/resources/i18n
options=(-locations none -no-obsolete -silent)
"$lupdate" "${options[@]}" src -ts "$i18n"/ledgerwell_{es,de,fr,ja}.ts
"$lupdate" "${options[@]}" -pluralonly src -ts "$i18n"/ledgerwell_en.ts
