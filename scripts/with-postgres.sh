#!/usr/bin/env bash
# Runs a command next to a throwaway PostgreSQL 15 (a fresh cluster in a temporary folder on a
# free loopback port, without fsync), with its URL in LEDGERWELL_TEST_POSTGRES_URL; the cluster is
# stopped and removed afterwards. Without PostgreSQL 15 the command runs alone and the PostgreSQL
# test cases skip.
set -euo pipefail
pgbin=/usr/lib/postgresql/15/bin
if [ ! -x "$pgbin/initdb" ]; then
    echo "with-postgres: PostgreSQL 15 is not installed; its test cases will be skipped" >&2
    exec "$@"
fi
as_owner=()
if [ "$(id -u)" -eq 0 ]; then
    # initdb refuses to run as root: the cluster belongs to the postgres user.
    as_owner=(runuser -u postgres --)
fi
base=$(mktemp -d /tmp/ledgerwell-pg.XXXXXX)
mkdir -p "$base/data" "$base/sock"
chmod 700 "$base/data"
if [ "$(id -u)" -eq 0 ]; then
    chown -R postgres:postgres "$base"
fi
cleanup() {
    "${as_owner[@]}" "$pgbin/pg_ctl" -D "$base/data" -m fast -w stop > /dev/null 2>&1 || true
    rm -rf "$base"
}
trap cleanup EXIT
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"${as_owner[@]}" "$pgbin/initdb" -D "$base/data" -U postgres --auth=trust -E UTF8 \
    --locale=C.UTF-8 --no-sync > "$base/initdb.log" 2>&1 || { cat "$base/initdb.log"; exit 1; }
"${as_owner[@]}" "$pgbin/pg_ctl" -D "$base/data" -l "$base/server.log" -w -t 30 \
    -o "-p $port -k $base/sock -c listen_addresses=127.0.0.1 -c fsync=off" start > /dev/null \
    || { cat "$base/server.log"; exit 1; }
export LEDGERWELL_TEST_POSTGRES_URL="postgresql://postgres@127.0.0.1:$port/postgres"
"$@"
