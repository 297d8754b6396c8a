#!/usr/bin/env bash
# Runs a command on a private D-Bus session with an unlocked gnome-keyring (the Secret Service),
# in a temporary home so that no real keyring is touched. Used by the token store test.
set -euo pipefail
if [ -z "${WITH_KEYRING_INNER:-}" ]; then
    home=$(mktemp -d /tmp/ledgerwell-keyring.XXXXXX)
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/run"
    chmod 700 "$home/run"
    HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_DATA_HOME="$home/.local/share" \
        WITH_KEYRING_INNER=1 dbus-run-session -- "$0" "$@"
    exit $?
fi
unset DISPLAY
printf 'test-keyring-password' | gnome-keyring-daemon --unlock --components=secrets > /dev/null
export LEDGERWELL_TEST_KEYRING=1
"$@"
