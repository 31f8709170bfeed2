#!/usr/bin/env bash
# Points this user's data source MabZet at a PostgreSQL server, so that several desks share one
# database.
#
#   on the server:  scripts/use-postgresql.sh --setup-local-server --desks CIDR [--database D]
#                       [--server-name NAME]... [--listen ADDRESSES]
#                   scripts/use-postgresql.sh --issue-desk NAME [--out FILE]
#                   scripts/use-postgresql.sh --revoke-desk NAME
#   on each desk:   scripts/use-postgresql.sh --host SERVER [--port P] [--database D]
#                       --certificate BUNDLE
#   scripts/use-postgresql.sh --help
#
# --setup-local-server  on the server machine itself (needs root or sudo): installs PostgreSQL if
#                       missing, creates the roles and the database, creates the tables (with the
#                       status categories and the hematology catalogue) when there are none,
#                       brings older tables to the newest schema version (upgrade-database.sh),
#                       and grants the program's
#                       login only what it uses. It then lets that login in only over TLS, only
#                       from the desks' network (--desks, required, may be repeated), and only
#                       with a desk certificate of the practice's own certificate authority,
#                       which it keeps in root's /var/lib/mab/authority (moving there the one an
#                       older set-up kept under the server's configuration). Settings that a desk
#                       stored on the program's login (ALTER ROLE kiro ...) are undone.
#                       --server-name: the names the desks use for the server (default: this
#                       machine's host names); --listen: listen_addresses (default *). Safe to
#                       run again.
# --issue-desk NAME     writes the bundle of a new desk (mab-desk-NAME.pem, or --out FILE).
# --revoke-desk NAME    takes a desk's certificate back: refused from now on (a lost laptop).
# --certificate BUNDLE  on a desk: installs the desk's bundle and has MabZet check the server's
#                       certificate and name (sslmode=verify-full). Required for a server on
#                       another machine: a desk never talks to one unchecked.
# The tables belong to the role mab_owner; the program always logs in with its fixed role and
# password (MAB_LOGIN, which db/postgresql/*.sql name too) and may only read status and nalazi and
# read and write adresar. MAB_PG_SOCKET_DIR=DIR sets up a private server reached as postgres
# through that socket folder (the tests' own) instead of the machine's, and MAB_AUTHORITY_DIR=DIR
# keeps its authority there.
set -euo pipefail
# Keys, certificates and data-source files are their owner's alone from the first one written.
umask 077
. "$(dirname "$0")/common.sh"
role=${MAB_LOGIN[0]}

host=127.0.0.1 port=5432 database=mab setup_local=no
desks=() server_names=() listen='*' issue='' revoke='' out='' certificate=''
while [ $# -gt 0 ]; do
    case $1 in
    --host) host=${2:?--host needs a server}; shift 2 ;;
    --port) port=${2:?--port needs a number}; shift 2 ;;
    --database) database=${2:?--database needs a name}; shift 2 ;;
    --setup-local-server) setup_local=yes; shift ;;
    --desks) desks+=("${2:?--desks needs a network such as 192.168.1.0/24}"); shift 2 ;;
    --server-name) server_names+=("${2:?--server-name needs a name}"); shift 2 ;;
    --listen) listen=${2:?--listen needs addresses}; shift 2 ;;
    --issue-desk) issue=${2:?--issue-desk needs a name}; shift 2 ;;
    --revoke-desk) revoke=${2:?--revoke-desk needs a name}; shift 2 ;;
    --out) out=${2:?--out needs a file}; shift 2 ;;
    --certificate) certificate=$(realpath "${2:?--certificate needs a file}"); shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) die "unknown option $1 (see scripts/use-postgresql.sh --help)" ;;
    esac
done
[[ $database =~ ^[a-z_][a-z0-9_]*$ ]] || die "database name must be lower-case letters, digits and _"
[[ $port =~ ^[1-9][0-9]{0,4}$ ]] || die "--port needs a port number"
[[ $host =~ ^[A-Za-z0-9.:_-]+$ ]] || die "--host needs a server's name or address"
. "$(dirname "$0")/lib-practice-ca.sh"
. "$(dirname "$0")/lib-server-access.sh"
. "$(dirname "$0")/lib-desk-certificate.sh"
check_access_options

install_packages "${MAB_RUN_PACKAGES[@]}" postgresql-client openssl

# Runs SQL from standard input as the server's superuser, in database $1.
psql_admin() {
    if [ -n "${MAB_PG_SOCKET_DIR:-}" ]; then
        psql -X -h "$MAB_PG_SOCKET_DIR" -U postgres -p "$port" -d "$1" -q -v ON_ERROR_STOP=1 -f - "${@:2}"
    else
        as_root runuser -u postgres -- psql -X -p "$port" -d "$1" -q -v ON_ERROR_STOP=1 -f - "${@:2}"
    fi
}

if [ -n "$issue$revoke" ]; then
    locate_server
    authority_exists
    [ -z "$issue" ] || issue_desk "$issue" "${out:-mab-desk-$issue.pem}"
    [ -z "$revoke" ] || revoke_desk "$revoke"
    exit 0
fi

if [ $setup_local = yes ]; then
    install_packages postgresql
    # A private server (the tests') runs already; the machine's must never be started for it.
    [ -n "${MAB_PG_SOCKET_DIR:-}" ] || as_root systemctl start postgresql 2>/dev/null ||
        as_root service postgresql start >/dev/null 2>&1 || true
    psql_admin postgres <"$MAB_ROOT/db/postgresql/roles.sql"
    echo "SELECT 'CREATE DATABASE $database OWNER mab_owner'
           WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = '$database')\gexec" |
        psql_admin postgres
    # New tables (with the seed data), or the schema steps an older database lacks.
    if [ -n "${MAB_PG_SOCKET_DIR:-}" ]; then
        "$MAB_ROOT/scripts/upgrade-database.sh" --host "$MAB_PG_SOCKET_DIR" --owner postgres \
            --port "$port" --database "$database"
    else
        as_root "$MAB_ROOT/scripts/upgrade-database.sh" --port "$port" --database "$database"
    fi
    psql_admin "$database" -1 <"$MAB_ROOT/db/postgresql/privileges.sql"
    secure_server "$listen" "$(server_name_list)"
    [ -n "$certificate" ] || { say "$SERVER_NEXT_STEPS"; exit 0; }
fi

if [ -n "$certificate" ]; then
    install_desk_certificate "$certificate"
    export PGSSLMODE=verify-full
else
    # Without a certificate nothing proves that the server is the practice's own, and a server
    # that is not could hand this desk's scripts and program anything.
    server_is_here "$host" || die "a desk reaches the server $host only with its certificate," \
        "which checks that the server is the practice's own: on the server run" \
        "scripts/use-postgresql.sh --issue-desk NAME, then here" \
        "scripts/use-postgresql.sh --host $host --certificate mab-desk-NAME.pem. Nothing changed."
fi
export PGPASSWORD=${MAB_LOGIN[1]} PGOPTIONS=$MAB_SESSION_OPTIONS
psql_mab() { psql -X -h "$host" -p "$port" -U "$role" -d "$database" -q -v ON_ERROR_STOP=1 "$@"; }
hint="(a server set up by this script lets the program in only with a desk certificate: --certificate BUNDLE)"
[ -z "$certificate" ] || hint="with this desk's certificate"
psql_mab -c 'SELECT 1' >/dev/null || die "cannot log in to $database on $host:$port as $role $hint"
[ "$(psql_mab -tA -c "SELECT to_regclass('adresar') IS NOT NULL")" = t ] ||
    die "$database has no tables yet: run this script with --setup-local-server on the server"

driver=$(odbc_driver_path psqlodbcw.so) || die "PostgreSQL ODBC driver not found (package odbc-postgresql)"
if data_source_exists MabZet; then
    backup=$HOME/.odbc.ini.before-postgresql
    [ -f "$HOME/.odbc.ini" ] && cp "$HOME/.odbc.ini" "$backup" && say "old settings kept in $backup"
    odbcinst -u -s -h -n MabZet >/dev/null 2>&1 || true
fi
# UseDeclareFetch and Fetch: the driver reads a result through a cursor, 1,000 rows at a time,
# as the program fetches it, instead of holding a copy of the whole result beside the program's.
register_user_data_source <<INI
Description=MAB shared database
Driver=$driver
Servername=$host
Port=$port
Database=$database
CommLog=0
Debug=0
UseDeclareFetch=1
Fetch=1000
$(desk_data_source_settings)
INI
say "data source MabZet now points at $database on $host:$port"
"$MAB_ROOT/scripts/upgrade-database.sh" || say "the database was not upgraded (see above)"
