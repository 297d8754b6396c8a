#!/usr/bin/env bash
# Installs what is missing, builds optimised, and runs the benchmarks: one line per scenario,
# "scenario count milliseconds" (median of the runs). Arguments go to ledgerwell-bench
# (--transactions N, --runs N, --database FILE to keep and reuse the generated file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/bin/ledgerwell-bench "$@"
