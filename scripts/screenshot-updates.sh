#!/usr/bin/env bash
# Screenshots of What's New and of the update offer as a user meets them: the real program under
# Xvfb and openbox, on a fresh data folder, against ledgerwell-server --downloads serving this
# version's notes and a newer 1.1.0 laid out by scripts/release-manifest.sh. Writes
# docs/screenshots/{whats-new,update-dialog,update-startup}.png. Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb-session.sh
display=":${SCREENSHOT_DISPLAY:-6}"
out=docs/screenshots
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

current=$(sed -n 's/^project(Ledgerwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package() { # version -> a small package of the program with that version
    mkdir -p "$work/pkg-$1/DEBIAN"
    printf 'Package: ledgerwell\nVersion: %s\nArchitecture: amd64\nMaintainer: Varnaby <dev@varnaby.com>\nDescription: Ledgerwell\n' \
        "$1" > "$work/pkg-$1/DEBIAN/control"
    dpkg-deb --build --root-owner-group "$work/pkg-$1" "$work/ledgerwell_$1_amd64.deb" > /dev/null
}
cat > "$work/notes-1.1.0.md" << 'NOTES'
# Ledgerwell 1.1.0

## New

- **Budgets.** Set a monthly amount for any category and watch the register's new *Budget*
  column fill up as you spend.
- **Split transactions in the register.** Press `Ctrl+S` on a line to divide it between
  categories without opening a form.

## Better

1. Reconciliation remembers the statement you were working on.
2. Reports open in half the time on files with ten years of history.

## Fixed

- Imported QIF files with Windows line endings no longer show an empty memo.

See the [full list of changes](https://downloads.varnaby.com/ledgerwell/1.1.0/) for details.
NOTES

port=$(/usr/bin/python3 -c 'import socket;s=socket.socket();s.bind(("127.0.0.1",0));print(s.getsockname()[1])')
base="http://127.0.0.1:$port"
package "$current"
package 1.1.0
bash scripts/release-manifest.sh --out "$work/downloads" --base-url "$base" \
    "$work/ledgerwell_${current}_amd64.deb" > /dev/null
bash scripts/release-manifest.sh --out "$work/downloads" --base-url "$base" \
    --notes "$work/notes-1.1.0.md" "$work/ledgerwell_1.1.0_amd64.deb" > /dev/null

build/bin/ledgerwell-server --data "$work/server" --listen "127.0.0.1:$port" \
    --downloads "$work/downloads" > /dev/null 2> "$work/server.log" &
pids+=($!)
xvfb_session_start 1400x1000
DISPLAY="$display" XDG_CONFIG_HOME="$work/config" LEDGERWELL_DATA_DIR="$work/data" \
    LEDGERWELL_UPDATE_URL="$base/ledgerwell/stable/" build/bin/ledgerwell > /dev/null 2>&1 &
pids+=($!)

find_window() { # title -> window id, waiting up to 20 s
    for _ in $(seq 40); do
        id=$(DISPLAY="$display" xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    echo "screenshot-updates.sh: no window '$1' appeared" >&2
    return 1
}
whats_new=$(find_window "What's New in")
update=$(find_window "Update available")
DISPLAY="$display" xdotool windowmove "$whats_new" 40 140
DISPLAY="$display" xdotool windowmove "$update" 700 300
sleep 2 # the notes of the offer arrive, the windows settle
mkdir -p "$out"
DISPLAY="$display" import -window root "$out/update-startup.png"
DISPLAY="$display" import -frame -window "$update" "$out/update-dialog.png"
DISPLAY="$display" xdotool windowactivate --sync "$whats_new" 2> /dev/null || true
sleep 1
DISPLAY="$display" import -frame -window "$whats_new" "$out/whats-new.png"
echo "Wrote $out/whats-new.png, $out/update-dialog.png, $out/update-startup.png"
grep -E ' GET /ledgerwell/' "$work/server.log" | sed 's/^/  server: /'
