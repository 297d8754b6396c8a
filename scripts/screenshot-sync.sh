#!/usr/bin/env bash
# Screenshot of two installations kept in step: ledgerwell-server on loopback with one user, two
# data folders signed in as that user, the first filled with the sample data and synced by
# ledgerwell-cli, then both windows started side by side under Xvfb and openbox; the second pulls
# everything on its start-up sync. Writes docs/screenshots/sync-two-windows.png. Needs a build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb-session.sh
display=":${SCREENSHOT_DISPLAY:-7}"
out=docs/screenshots
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

port=$(/usr/bin/python3 -c 'import socket;s=socket.socket();s.bind(("127.0.0.1",0));print(s.getsockname()[1])')
base="http://127.0.0.1:$port"
export AUTH_BASE_URL="$base" ACCOUNT_API_URL="$base/account/v1" SYNC_API_URL="$base/ledgerwell/v1"
printf 'sync screenshot password\n' |
    build/bin/ledgerwell-server --data "$work/server" user add ann@example.org --name Ann > /dev/null
build/bin/ledgerwell-server --data "$work/server" --listen "127.0.0.1:$port" \
    > /dev/null 2> "$work/server.log" &
pids+=($!)
for _ in $(seq 40); do
    curl -s -o /dev/null "$base/" && break
    sleep 0.25
done

sign_in() { # data folder -> a tokens.json from the server's own sign-in form
    mkdir -p "$1"
    location=$(curl -s -o /dev/null -w '%{redirect_url}' \
        --data-urlencode client_id=screenshot \
        --data-urlencode redirect_uri=http://localhost:1/callback \
        --data-urlencode email=ann@example.org \
        --data-urlencode 'password=sync screenshot password' \
        "$base/varnaby/account/login")
    /usr/bin/python3 - "$location" "$1/tokens.json" << 'PY'
import json, sys, urllib.parse
query = urllib.parse.parse_qs(urllib.parse.urlparse(sys.argv[1]).query)
with open(sys.argv[2], "w") as f:
    json.dump({"varnaby_access_token": query["access_token"][0],
               "varnaby_refresh_token": query["refresh_token"][0]}, f)
PY
    chmod 600 "$1/tokens.json"
}
sign_in "$work/desktop"
sign_in "$work/laptop"
LEDGERWELL_DATA_DIR="$work/desktop" build/bin/ledgerwell-cli sample load > /dev/null
LEDGERWELL_DATA_DIR="$work/desktop" build/bin/ledgerwell-cli sync > /dev/null

xvfb_session_start 2000x1000
start_window() { # name -> the window's id
    DISPLAY="$display" XDG_CONFIG_HOME="$work/config-$1" LEDGERWELL_DATA_DIR="$work/$1" \
        build/bin/ledgerwell > "$work/$1.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 60); do
        sleep 0.5
        ids=$(DISPLAY="$display" xdotool search --onlyvisible --name "Varnaby Ledgerwell" \
            2> /dev/null || true)
        for id in $ids; do
            if ! grep -qx "$id" "$work/seen" 2> /dev/null; then
                echo "$id" >> "$work/seen"
                echo "$id"
                return 0
            fi
        done
    done
    echo "screenshot-sync.sh: the $1 window did not appear" >&2
    return 1
}
left=$(start_window desktop)
right=$(start_window laptop)
for id in "$left" "$right"; do
    DISPLAY="$display" xdotool windowsize "$id" 992 990
done
DISPLAY="$display" xdotool windowmove "$left" 0 0
DISPLAY="$display" xdotool windowmove "$right" 1004 0
# Both start-up syncs run (the laptop's pulls the desktop's rows), and their messages time out.
sleep "${SCREENSHOT_SETTLE:-12}"
mkdir -p "$out"
DISPLAY="$display" import -window root "$out/sync-two-windows.png"
echo "Wrote $out/sync-two-windows.png"
grep -cE ' (POST|GET) /ledgerwell/v1/sync/' "$work/server.log" | sed 's/^/  sync requests: /'
