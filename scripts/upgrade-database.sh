#!/usr/bin/env bash
# Brings a MAB database to the newest schema version: the steps of db/ENGINE/steps/NNN-*.sql that
# it lacks, in order, each in one transaction together with its row in schema_version.
#
#   scripts/upgrade-database.sh [--owner ROLE] [--dir FOLDER]        the database MabZet names
#   scripts/upgrade-database.sh --sqlite FILE [--dir FOLDER]         a SQLite file
#   scripts/upgrade-database.sh --database D [--host H] [--port P] [--owner ROLE] [--dir FOLDER]
#
# Safe to run again: a database at the newest version is only read. Before the first change to a
# database that holds tables, scripts/backup.sh takes a copy (into --dir FOLDER, or backup.sh's own
# folder). A database without any table becomes a new one: every step, then the seed data (status
# categories, hematology catalogue). Refused, with nothing changed: a database newer than this MAB
# knows, one whose recorded version is not a version number, and one that holds some tables but not
# MAB's. A server on another machine is reached only with its certificate checked (verify-full).
# --owner ROLE  (PostgreSQL) the role that makes the changes: the tables belong to mab_owner, so it
#               must be a member of mab_owner (password from PGPASSWORD or ~/.pgpass). Without it,
#               root on the server machine itself works as postgres; anyone else logs in as the
#               program's login, which reads the version but may not change tables.
set -euo pipefail
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/lib-backup.sh"

target=mabzet file='' owner=${MAB_UPGRADE_OWNER:-} backup_dir=''
PG_HOST=localhost PG_PORT=5432 PG_DATABASE=''
while [ $# -gt 0 ]; do
    case $1 in
    --sqlite) target=sqlite file=${2:?--sqlite needs a file}; shift 2 ;;
    --database) target=postgresql PG_DATABASE=${2:?--database needs a name}; shift 2 ;;
    --host) PG_HOST=${2:?--host needs a server}; shift 2 ;;
    --port) PG_PORT=${2:?--port needs a number}; shift 2 ;;
    --owner) owner=${2:?--owner needs a role}; shift 2 ;;
    --dir) backup_dir=${2:?--dir needs a folder}; shift 2 ;;
    -h | --help) usage; exit 0 ;;
    *) die "unknown option $1 (see scripts/upgrade-database.sh --help)" ;;
    esac
done

if [ $target = mabzet ]; then
    read_mabzet || die "no data source MabZet: nothing to upgrade (scripts/run.sh sets one up)"
    engine=$(mabzet_engine) || die "MabZet uses a driver this script does not know: ${DSN[driver]:-none}"
    if [ "$engine" = sqlite ]; then
        file=$(dsn database) || die "MabZet names no database file"
        # A missing file is a wrong setting, not a new database: sqlite3 would create it empty.
        [ -s "$file" ] || die "the database $file that MabZet names does not exist or is empty"
    else
        read_pg_settings
    fi
else
    engine=$target
    PG_LOGIN=$MAB_PROGRAM_LOGIN PG_PASSWORD=$MAB_PROGRAM_PASSWORD
    # A server elsewhere is checked against the practice's authority in ~/.postgresql/root.crt.
    PG_SSLMODE=verify-full
    [[ $PG_HOST == /* ]] || server_is_here "$PG_HOST" && PG_SSLMODE=prefer
fi
export PGSSLMODE=${PG_SSLMODE:-prefer} PGOPTIONS=$MAB_SESSION_OPTIONS

# The steps, numbered 1, 2, 3 ... without a gap; the newest number is the newest version.
steps_dir=$MAB_ROOT/db/$engine/steps
mapfile -t steps < <(find "$steps_dir" -maxdepth 1 -name '[0-9][0-9][0-9]-*.sql' -printf '%f\n' | sort)
newest=${#steps[@]}
for i in "${!steps[@]}"; do
    [ $((10#${steps[$i]:0:3})) -eq $((i + 1)) ] || die "the steps in $steps_dir are not numbered 1 to $newest"
done

# Runs SQL (arguments, or standard input) on the database; prints unaligned rows.
if [ "$engine" = sqlite ]; then
    who="the file's owner"
    run_sql() { sqlite3 -bail -batch -cmd '.timeout 30000' "$file" "$@"; }
elif [ -n "$owner" ]; then
    who="role $owner"
    run_sql() {
        PGCONNECT_TIMEOUT=10 psql -X -q -tA -v ON_ERROR_STOP=1 -h "$PG_HOST" -p "$PG_PORT" \
            -U "$owner" -d "$PG_DATABASE" -w ${1:+-c "$1"}
    }
elif server_is_here "$PG_HOST" && [ "$(id -u)" -eq 0 ]; then
    who="role postgres"
    run_sql() {
        (cd / && runuser -u postgres -- psql -X -q -tA -v ON_ERROR_STOP=1 -p "$PG_PORT" \
            -d "$PG_DATABASE" -w ${1:+-c "$1"})
    }
else
    who="role $PG_LOGIN"
    run_sql() {
        PGPASSWORD=$PG_PASSWORD PGCONNECT_TIMEOUT=10 psql -X -q -tA -v ON_ERROR_STOP=1 \
            -h "$PG_HOST" -p "$PG_PORT" -U "$PG_LOGIN" -d "$PG_DATABASE" -w ${1:+-c "$1"}
    }
fi
[ "$engine" = sqlite ] && where=$file || where="database $PG_DATABASE on $PG_HOST:$PG_PORT"

# The version: schema_version's newest row; without that table, a database holding MAB's three
# first tables is version 1 and one without any table is version 0 (new).
if [ "$engine" = sqlite ]; then
    has() { echo "(SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ($1))"; }
    tables="$(has "'schema_version'") || ' ' || $(has "'status', 'adresar', 'nalazi'")
        || ' ' || (SELECT COUNT(*) FROM sqlite_master WHERE type = 'table')"
else
    has() { echo "(to_regclass('$1') IS NOT NULL)::int"; }
    tables="$(has schema_version) || ' ' || $(has status) + $(has adresar) + $(has nalazi)
        || ' ' || (SELECT COUNT(*) FROM pg_tables WHERE schemaname = current_schema())"
fi
state=$(run_sql "SELECT $tables;" 2>&1) || die "cannot read $where as $who: $state"
[[ $state =~ ^[01]\ [0-3]\ [0-9]+$ ]] && read -r recorded first_tables all_tables <<<"$state" &&
    is_whole_number "$all_tables" || die "cannot make out which tables $where holds: $state"
if [ "$recorded" = 1 ]; then
    current=$(run_sql "SELECT COALESCE(CAST(MAX(version) AS TEXT), '0') FROM schema_version;" 2>&1) ||
        die "cannot read the schema version of $where as $who: $current"
    # What a database holds is data, not a number until checked: a copy put back by restore.sh
    # or a server that a desk reaches may hold any text here.
    is_whole_number "$current" || [[ $current =~ ^[1-9][0-9]{9,}$ ]] ||
        die "$where records the schema version '${current:0:80}', which is not a version number:" \
            "MAB writes only whole numbers there, so the database was changed by hand or is not" \
            "MAB's. Restore a copy taken by scripts/backup.sh (scripts/restore.sh); nothing changed."
elif [ "$first_tables" = 3 ]; then
    current=1
elif [ "$all_tables" = 0 ]; then
    current=0
else
    die "$where holds tables but neither MAB's (status, adresar, nalazi) nor a schema version;" \
        "it is not a MAB database. Nothing changed."
fi

if [ ${#current} -gt 9 ] || [ "$current" -gt "$newest" ]; then
    die "$where is at schema version $current, newer than version $newest that this MAB knows:" \
        "a newer MAB has upgraded it. Install that MAB here (or a newer one); nothing changed."
fi
if [ "$current" -eq "$newest" ]; then
    say "$where is at the newest schema version $newest; nothing to do"
    exit 0
fi

if [ "$engine" = postgresql ]; then
    allowed=$(run_sql "SELECT CASE WHEN EXISTS (SELECT FROM pg_roles WHERE rolname = 'mab_owner')
        THEN pg_has_role('mab_owner', 'MEMBER') ELSE false END;" 2>&1) || true
    [ "$allowed" = t ] || die "$where is at schema version $current and needs version $newest," \
        "but $who may not change its tables (they belong to mab_owner). On the server machine run" \
        "as root: scripts/upgrade-database.sh (or scripts/use-postgresql.sh --setup-local-server);" \
        "elsewhere: scripts/upgrade-database.sh --owner ROLE, with a member of mab_owner." \
        "Nothing changed."
fi

# A copy before the first change, whenever there is anything to copy.
if [ "$all_tables" -gt 0 ]; then
    backup=("$MAB_ROOT/scripts/backup.sh" ${backup_dir:+--dir "$backup_dir"})
    if [ $target = mabzet ]; then
        "${backup[@]}" || die "the backup failed, so the upgrade did not start; nothing changed"
    else
        # backup.sh copies what MabZet names: here, a MabZet of its own names this database.
        ini=$(mktemp)
        trap 'rm -f "$ini"' EXIT
        if [ "$engine" = sqlite ]; then
            printf '[MabZet]\nDriver=libsqlite3odbc.so\nDatabase=%s\n' "$(realpath "$file")" >"$ini"
        else
            printf '[MabZet]\nDriver=psqlodbcw.so\nServername=%s\nPort=%s\nDatabase=%s\n' \
                "$PG_HOST" "$PG_PORT" "$PG_DATABASE" >"$ini"
        fi
        ODBCINI=$ini "${backup[@]}" || die "the backup failed, so the upgrade did not start; nothing changed"
    fi
fi

for ((n = current + 1; n <= newest; n++)); do
    say "step $n of $newest: ${steps[n - 1]}"
    error=$({
        echo 'BEGIN;'
        # The tables belong to mab_owner whoever runs the steps; a lock held by a desk for long
        # makes the step fail instead of waiting without end.
        [ "$engine" = postgresql ] && echo "SET LOCAL ROLE mab_owner; SET LOCAL lock_timeout = '30s';"
        cat "$MAB_ROOT/db/schema_version.sql"
        # A database of the first version gets the row it never had, in the same transaction.
        [ "$recorded" = 1 ] || [ "$current" -eq 0 ] || [ $n -ne $((current + 1)) ] ||
            echo "INSERT INTO schema_version (version) VALUES (1);"
        cat "$steps_dir/${steps[n - 1]}"
        echo "INSERT INTO schema_version (version) VALUES ($n);"
        if [ $n -eq "$newest" ]; then
            [ "$all_tables" -gt 0 ] || cat "$MAB_ROOT/db/seed.sql"
            # New tables get their grants with the step that makes them.
            [ "$engine" = sqlite ] || { echo 'RESET ROLE;'; cat "$MAB_ROOT/db/postgresql/privileges.sql"; }
        fi
        echo 'COMMIT;'
    } | run_sql 2>&1 >/dev/null) ||
        die "step $n failed and was undone; $where stays at version $((n - 1)). $error"
done
say "$where is now at schema version $newest"
