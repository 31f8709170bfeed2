#!/usr/bin/env bash
# A private PostgreSQL server for the test suite: its own folder, its own port on the loopback
# address, trust authentication, and the roles of a real MAB server (db/postgresql/roles.sql), so
# that the program runs under the same least-privileged login. It touches no server of the
# machine.
#   scripts/pg-test-server.sh start DIR PORT | stop DIR
# MAB_PG_SERVER_OPTIONS: more server options for start (e.g. "-c shared_preload_libraries=...").
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

action=${1:?start or stop}
dir=${2:?folder}
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bindir/pg_ctl" ] || die "PostgreSQL server programs not found (package postgresql)"

# PostgreSQL refuses to run as root; root runs it as the postgres user.
run_pg() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

case $action in
start)
    port=${3:?port}
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
    run_pg "$bindir/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >/dev/null
    run_pg "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -o \
        "-p $port -k $dir -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200 ${MAB_PG_SERVER_OPTIONS:-}" start >/dev/null
    psql -h 127.0.0.1 -p "$port" -U postgres -d postgres -q -v ON_ERROR_STOP=1 \
        -f "$MAB_ROOT/db/postgresql/roles.sql" >/dev/null
    ;;
stop)
    cd /
    [ -d "$dir/data" ] && run_pg "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null || true
    rm -rf "$dir"
    ;;
*) die "usage: $0 start DIR PORT | stop DIR" ;;
esac
