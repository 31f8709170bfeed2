# Shared by backup.sh and restore.sh: which database MabZet names, how a copy is checked, and who
# has the database open. Sourced after common.sh.
# shellcheck shell=bash

MAB_BACKUP_DIR=${MAB_BACKUP_DIR:-$MAB_DATA_DIR/backups}
MAB_BACKUP_KEEP=${MAB_BACKUP_KEEP:-30}
# The program always logs in with this role and password (its connect string says so); a
# PostgreSQL backup reads with it unless MabZet names another login.
MAB_PROGRAM_LOGIN=kiro
MAB_PROGRAM_PASSWORD=qdxw

# MabZet's settings as the driver manager resolves them (the user's odbc.ini before the machine's,
# ODBCINI and ODBCSYSINI honoured), keys lower-cased because ODBC keys ignore case.
declare -A DSN=()
read_mabzet() {
    local text line key value
    text=$(odbcinst -q -s -n MabZet 2>/dev/null) || return 1
    while IFS= read -r line; do
        [[ $line == *=* ]] || continue
        key=${line%%=*} value=${line#*=}
        key=${key//[[:space:]]/}
        value=${value#"${value%%[![:space:]]*}"}
        value=${value%"${value##*[![:space:]]}"}
        DSN[${key,,}]=$value
    done <<<"$text"
}

# First non-empty setting among the given keys.
dsn() {
    local key
    for key; do
        [ -n "${DSN[$key]:-}" ] && { printf '%s' "${DSN[$key]}"; return 0; }
    done
    return 1
}

# sqlite or postgresql, from the driver MabZet names (a library path or a driver name).
mabzet_engine() {
    local driver=${DSN[driver]:-}
    case ${driver,,} in
    *sqlite*) echo sqlite ;;
    *psql* | *postgres*) echo postgresql ;;
    *) return 1 ;;
    esac
}

# Kind of a copy by its first bytes, so that a copy is never put back into the wrong engine.
copy_kind() {
    local magic
    magic=$(head -c 16 "$1" 2>/dev/null | tr -d '\0')
    case $magic in
    "SQLite format 3"*) echo sqlite ;;
    PGDMP*) echo postgresql ;;
    *) echo unknown ;;
    esac
}

# "PID (command)" for every process that holds the SQLite file (or its WAL, shared-memory or
# journal file) open; the program keeps its connection, and so the file, open while it runs.
sqlite_holders() {
    local real pid
    real=$(readlink -f "$1")
    # find complains about processes that end while it looks; what it found still counts.
    { find /proc/[0-9]*/fd -maxdepth 1 \( -lname "$real" -o -lname "$real-wal" -o \
        -lname "$real-shm" -o -lname "$real-journal" \) 2>/dev/null || true; } |
        cut -d/ -f3 | sort -un | while read -r pid; do
        [ "$pid" = $$ ] && continue
        printf '%s (%s)\n' "$pid" "$(cat "/proc/$pid/comm" 2>/dev/null || echo gone)"
    done
}

# "ok" and nothing else when the SQLite file is sound and holds the address book.
sqlite_check() {
    local result
    result=$(sqlite3 -readonly "$1" 'PRAGMA integrity_check;' 2>&1) || { echo "$result"; return 1; }
    [ "$result" = ok ] || { echo "$result" | head -n 5; return 1; }
    sqlite3 -readonly "$1" 'SELECT COUNT(*) FROM adresar;' >/dev/null 2>&1 ||
        { echo "no address-book table"; return 1; }
    echo ok
}

sqlite_entries() {
    sqlite3 -readonly "$1" 'SELECT COUNT(*) FROM adresar;' 2>/dev/null
}

# Connection of MabZet's PostgreSQL database: PG_HOST, PG_PORT, PG_DATABASE, and the program's
# login in PG_LOGIN / PG_PASSWORD (MabZet's own login when it names one).
read_pg_settings() {
    PG_HOST=$(dsn servername server) || PG_HOST=localhost
    PG_PORT=$(dsn port) || PG_PORT=5432
    PG_DATABASE=$(dsn database) || die "MabZet names no database"
    PG_LOGIN=$(dsn username uid) || PG_LOGIN=$MAB_PROGRAM_LOGIN
    PG_PASSWORD=$(dsn password pwd) || PG_PASSWORD=
    [ -z "$PG_PASSWORD" ] && [ "$PG_LOGIN" = "$MAB_PROGRAM_LOGIN" ] && PG_PASSWORD=$MAB_PROGRAM_PASSWORD
    [[ $PG_PORT =~ ^[1-9][0-9]{0,4}$ ]] || die "MabZet's Port '${PG_PORT:0:40}' is not a port number"
    # A desk checks the server as the program does (libpq finds the desk's files).
    PG_SSLMODE=$(pg_sslmode "$PG_HOST" "$(dsn sslmode)") || exit 1
    return 0
}

# Runs a PostgreSQL client program as the program's login on MabZet's database.
as_program_login() {
    local tool=$1
    shift
    PGPASSWORD=$PG_PASSWORD PGSSLMODE=$PG_SSLMODE PGOPTIONS=$MAB_SESSION_OPTIONS PGCONNECT_TIMEOUT=10 \
        "$tool" -h "$PG_HOST" -p "$PG_PORT" -U "$PG_LOGIN" -d "$PG_DATABASE" -w "$@"
}

# "ok" when a pg_dump archive can be read and holds the address book's rows.
pg_check() {
    local list
    list=$(pg_restore --list "$1" 2>&1) || { echo "$list" | head -n 5; return 1; }
    grep -q 'TABLE DATA [^ ]* adresar ' <<<"$list" || { echo "no address-book data"; return 1; }
    echo ok
}

# Writes FILE.sha256 beside FILE (sha256sum's own format, with the file's name alone), so that a
# copy changed or damaged since is refused by restore.sh.
write_checksum() {
    local sum
    sum=$(sha256sum <"$1") && printf '%s  %s\n' "${sum%% *}" "$(basename "$2")" >"$2.sha256"
}

# "ok" when COPY.sha256 is there and names COPY's checksum; else why not.
checksum_state() {
    local copy=$1 line sum
    [ -f "$copy.sha256" ] || { echo "it has no checksum file $(basename "$copy").sha256 beside it"; return 1; }
    line=$(head -c 200 "$copy.sha256" | head -n 1)
    sum=$(sha256sum <"$copy")
    [[ $line =~ ^[0-9a-f]{64}\ \ ?\*?([^/]*)$ && ${line:0:64} = "${sum%% *}" ]] ||
        { echo "it does not match its checksum in $(basename "$copy").sha256 (changed or damaged since)"; return 1; }
    echo ok
}
