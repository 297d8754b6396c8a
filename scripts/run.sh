#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ledgerwell. Without a display it starts under a
# virtual X server (Xvfb), or offscreen when Xvfb is not available, and says so.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

app=build/bin/ledgerwell
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$app" "$@"
elif command -v xvfb-run > /dev/null; then
    echo "No display found: starting Ledgerwell under Xvfb (a virtual display; nothing is shown)."
    exec xvfb-run -a -s "-screen 0 1400x1000x24" "$app" "$@"
else
    echo "No display found: starting Ledgerwell offscreen (nothing is shown)."
    QT_QPA_PLATFORM=offscreen exec "$app" "$@"
fi
