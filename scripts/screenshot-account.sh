#!/usr/bin/env bash
# Screenshots of the account screen's five pages and of the share dialog, in the light and the
# dark theme, as a group owner meets them: the real program under Xvfb and openbox, against
# ledgerwell-server on loopback with a group of three (one still invited), two sessions, a
# registered device and a "Joint Checking" account shared with one member.
# Writes docs/screenshots/account-{profile,group,devices,security,privacy,share}-{light,dark}.png.
# Needs a build (scripts/build.sh).
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
password="harbour house key"
server() { build/bin/ledgerwell-server --data "$work/server" "$@"; }
for who in "ann@example.org Ann Lindqvist" "bob@example.org Bob Lindqvist" \
    "cy@example.org Cy Okafor"; do
    set -- $who
    printf '%s\n' "$password" | server user add "$1" --name "$2 $3" > /dev/null
done
server group create ann@example.org "The Lindqvist Household" > /dev/null
server --listen "127.0.0.1:$port" > /dev/null 2> "$work/server.log" &
pids+=($!)
for _ in $(seq 40); do curl -s -o /dev/null "$base/" && break; sleep 0.25; done

sign_in() { # email -> "access refresh" from the sign-in form's redirect
    curl -s -o /dev/null -w '%{redirect_url}' \
        --data-urlencode client_id=c --data-urlencode redirect_uri=http://localhost:1/callback \
        --data-urlencode "email=$1" --data-urlencode "password=$password" \
        "$base/varnaby/account/login" |
        /usr/bin/python3 -c 'import sys,urllib.parse as u;q=u.parse_qs(u.urlsplit(sys.stdin.read()).query);print(q["access_token"][0],q["refresh_token"][0])'
}
api() { # token method path [json]
    curl -s -X "$2" -H "Authorization: Bearer $1" -H 'Content-Type: application/json' \
        ${4:+--data "$4"} "$base$3"
}
read -r ann ann_refresh <<< "$(sign_in ann@example.org)"
read -r bob _ <<< "$(sign_in bob@example.org)"
sign_in ann@example.org > /dev/null # a second session, on another machine
code=$(api "$ann" POST /account/v1/group/invite '{}' |
    /usr/bin/python3 -c 'import sys,json;print(json.load(sys.stdin)["invite_code"])')
api "$bob" POST "/account/v1/group/join/$code" > /dev/null
api "$ann" POST /account/v1/group/invite '{"email":"cy@example.org"}' > /dev/null
api "$ann" POST /account/v1/devices/register \
    '{"device_name":"ann-laptop","platform":"linux","app_id":"com.varnaby.ledgerwell","app_version":"1.0.4","device_fingerprint":"5f2c9a0d4e7b41c8a36d0b9e1f27c4aa"}' > /dev/null

# Ann's installation: two accounts, pushed to the server, the joint one shared with Bob.
data="$work/data"
mkdir -p "$data"
export LEDGERWELL_DATA_DIR="$data" AUTH_BASE_URL="$base" ACCOUNT_API_URL="$base/account/v1" \
    SYNC_API_URL="$base/ledgerwell/v1"
build/bin/ledgerwell-cli add-account "Joint Checking" --opening-balance 2450.00 > /dev/null
build/bin/ledgerwell-cli add-account "Savings" --type savings --opening-balance 9800.00 > /dev/null
printf '{"varnaby_access_token":"%s","varnaby_refresh_token":"%s"}' "$ann" "$ann_refresh" \
    > "$data/tokens.json"
chmod 600 "$data/tokens.json"
build/bin/ledgerwell-cli sync > /dev/null
joint=$(sqlite3 "$data/ledgerwell.db" "SELECT id FROM accounts WHERE name = 'Joint Checking'")
bob_id=$(api "$ann" GET /account/v1/group |
    /usr/bin/python3 -c 'import sys,json;print([m["account_id"] for m in json.load(sys.stdin)["members"] if m["email"]=="bob@example.org"][0])')
api "$ann" POST "/ledgerwell/v1/accounts/$joint/share" "{\"user_id\":\"$bob_id\",\"role\":\"member\"}" > /dev/null
sqlite3 "$data/ledgerwell.db" \
    "INSERT OR REPLACE INTO preferences(key, value) VALUES('lastViewedAccountId', '$joint')"

xvfb_session_start 1400x1000

find_window() { # title -> window id, waiting up to 20 s
    for _ in $(seq 40); do
        id=$(DISPLAY="$display" xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    echo "screenshot-account.sh: no window '$1' appeared" >&2
    return 1
}
key() { DISPLAY="$display" xdotool key --clearmodifiers "$@"; sleep 0.6; }
shoot() { # window name
    sleep 1.5
    DISPLAY="$display" /usr/bin/import -window "$1" "$out/$2.png"
}

for theme in light dark; do
    sqlite3 "$data/ledgerwell.db" \
        "INSERT OR REPLACE INTO preferences(key, value) VALUES('theme', '$theme')"
    DISPLAY="$display" XDG_CONFIG_HOME="$work/config" build/bin/ledgerwell > /dev/null 2>&1 &
    app=$!
    main=$(find_window "Varnaby Ledgerwell")
    DISPLAY="$display" xdotool windowactivate --sync "$main"
    sleep 3 # the start-up sync
    key alt+f Down Down Down Return # File > Varnaby Account... (the first entry starts highlighted)
    screen=$(find_window "Varnaby Account")
    DISPLAY="$display" xdotool windowmove "$screen" 60 60 windowactivate --sync "$screen"
    DISPLAY="$display" xdotool mousemove --window "$screen" 60 32 click 1
    for page in profile group devices security privacy; do
        shoot "$screen" "account-$page-$theme"
        key Down
    done
    DISPLAY="$display" xdotool windowclose "$screen" 2> /dev/null || key ctrl+w
    DISPLAY="$display" xdotool windowactivate --sync "$main"
    key alt+a s # Account > Share...
    dialog=$(find_window "Share Account")
    DISPLAY="$display" xdotool windowmove "$dialog" 60 60
    shoot "$dialog" "account-share-$theme"
    key Escape
    kill "$app"
    wait "$app" 2> /dev/null || true
done
echo "Wrote $out/account-*-{light,dark}.png"
