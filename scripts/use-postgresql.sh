#!/usr/bin/env bash
# Points this user's data source MabZet at a PostgreSQL server, so that several desks share one
# database. Creates the tables (with the status categories and the hematology catalogue) when the
# database has none yet; an existing database is used as it is.
#
#   scripts/use-postgresql.sh [--host H] [--port P] [--database D] [--setup-local-server]
#
# --setup-local-server  on the server machine itself: install PostgreSQL if missing and create
#                       the login role and the database (run once, needs root or sudo).
# The program always logs in with its fixed role and password (MAB_LOGIN); the server must allow
# that role to connect from the desks (pg_hba.conf, listen_addresses).
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

if [ $setup_local = yes ]; then
    install_packages postgresql
    as_root systemctl start postgresql 2>/dev/null || as_root service postgresql start >/dev/null 2>&1 || true
    as_root runuser -u postgres -- psql -p "$port" -q -v ON_ERROR_STOP=1 <<SQL
DO \$\$ BEGIN
  IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '$role') THEN
    CREATE ROLE $role LOGIN PASSWORD '${MAB_LOGIN[1]}';
  END IF;
END \$\$;
SELECT 'CREATE DATABASE $database OWNER $role'
 WHERE NOT EXISTS (SELECT FROM pg_database WHERE datname = '$database')\gexec
SQL
fi

export PGPASSWORD=${MAB_LOGIN[1]}
psql_mab() { psql -h "$host" -p "$port" -U "$role" -d "$database" -q -v ON_ERROR_STOP=1 "$@"; }
psql_mab -c 'SELECT 1' >/dev/null || die "cannot log in to $database on $host:$port as $role"
if [ "$(psql_mab -tA -c "SELECT to_regclass('adresar') IS NOT NULL")" != t ]; then
    say "creating the tables in $database"
    psql_mab -1 -f "$MAB_ROOT/db/postgresql/schema.sql" -f "$MAB_ROOT/db/seed.sql"
fi

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
