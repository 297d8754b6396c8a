#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test (the server's
# storage tests also against a throwaway PostgreSQL, see with-postgres.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh -DLEDGERWELL_WERROR=ON
cd build
QT_QPA_PLATFORM=offscreen bash ../scripts/with-postgres.sh \
    ctest --output-on-failure --parallel "$(nproc)"
