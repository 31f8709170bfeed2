#!/usr/bin/env bash
# Points this user's data source MabZet at a PostgreSQL server, so that several desks share one
# database.
#
#   scripts/use-postgresql.sh [--host H] [--port P] [--database D] [--setup-local-server]
#
# --setup-local-server  on the server machine itself (needs root or sudo): installs PostgreSQL if
#                       missing, creates the roles and the database, creates the tables (with the
#                       status categories and the hematology catalogue) when there are none,
#                       brings older tables to the newest schema version (upgrade-database.sh),
#                       and grants the program's login only what it uses. Safe to run again.
# The tables belong to the role mab_owner; the program always logs in with its fixed role and
# password (MAB_LOGIN, which db/postgresql/*.sql name too) and may only read status and nalazi and
# read and write adresar. The server must allow that role to connect from the desks
# (pg_hba.conf, listen_addresses).
set -euo pipefail
. "$(dirname "$0")/common.sh"
role=${MAB_LOGIN[0]}

host=127.0.0.1 port=5432 database=mab setup_local=no
while [ $# -gt 0 ]; do
    case $1 in
    --host) host=$2; shift 2 ;;
    --port) port=$2; shift 2 ;;
    --database) database=$2; shift 2 ;;
    --setup-local-server) setup_local=yes; shift ;;
    *) die "unknown option $1 (see the comment at the top of this script)" ;;
    esac
done
[[ $database =~ ^[a-z_][a-z0-9_]*$ ]] || die "database name must be lower-case letters, digits and _"

install_packages "${MAB_RUN_PACKAGES[@]}" postgresql-client

# Runs SQL from standard input as the server's superuser, in database $1.
psql_admin() {
    as_root runuser -u postgres -- psql -p "$port" -d "$1" -q -v ON_ERROR_STOP=1 -f - "${@:2}"
}

if [ $setup_local = yes ]; then
    install_packages postgresql
    as_root systemctl start postgresql 2>/dev/null || as_root service postgresql start >/dev/null 2>&1 || true
    psql_admin postgres <"$MAB_ROOT/db/postgresql/roles.sql"
    echo "SELECT 'CREATE DATABASE $database OWNER mab_owner'
           WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = '$database')\gexec" |
        psql_admin postgres
    # New tables (with the seed data), or the schema steps an older database lacks.
    as_root "$MAB_ROOT/scripts/upgrade-database.sh" --port "$port" --database "$database"
    psql_admin "$database" -1 <"$MAB_ROOT/db/postgresql/privileges.sql"
fi

export PGPASSWORD=${MAB_LOGIN[1]}
psql_mab() { psql -h "$host" -p "$port" -U "$role" -d "$database" -q -v ON_ERROR_STOP=1 "$@"; }
psql_mab -c 'SELECT 1' >/dev/null || die "cannot log in to $database on $host:$port as $role"
[ "$(psql_mab -tA -c "SELECT to_regclass('adresar') IS NOT NULL")" = t ] ||
    die "$database has no tables yet: run this script with --setup-local-server on the server"

driver=$(odbc_driver_path psqlodbcw.so) || die "PostgreSQL ODBC driver not found (package odbc-postgresql)"
if data_source_exists MabZet; then
    backup=$HOME/.odbc.ini.before-postgresql
    [ -f "$HOME/.odbc.ini" ] && cp "$HOME/.odbc.ini" "$backup" && say "old settings kept in $backup"
    odbcinst -u -s -h -n MabZet >/dev/null 2>&1 || true
fi
register_user_data_source <<INI
Description=MAB shared database
Driver=$driver
Servername=$host
Port=$port
Database=$database
CommLog=0
Debug=0
INI
say "data source MabZet now points at $database on $host:$port"
"$MAB_ROOT/scripts/upgrade-database.sh" || say "the database was not upgraded (see above)"
