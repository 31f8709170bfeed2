#!/usr/bin/env bash
# Puts a copy taken by backup.sh back into the database that MabZet names.
#
#   scripts/restore.sh COPY [--owner ROLE] [--dir FOLDER] [--unchecked]
#
# Refuses while MAB (or any other program) has the database open, and changes nothing then.
# Refuses a copy whose checksum (COPY.sha256, written by backup.sh) is missing or does not match:
# it was changed or damaged since. --unchecked takes such a copy (one from elsewhere) after asking.
# The current database is kept aside first and never deleted:
#   SQLite      the file stays next to it as mab.db.before-restore-DATE
#   PostgreSQL  a pg_dump of it goes to the backup folder (or --dir FOLDER) as
#               mab-before-restore-DATE.dump
# --owner ROLE  (PostgreSQL; or MAB_RESTORE_OWNER) the role that owns the tables, which the
#               restore logs in as, with the password from PGPASSWORD or ~/.pgpass. Without it:
#               on the server machine itself, root restores as mab_owner (through the server's
#               account, which use-postgresql.sh --setup-local-server lets in as mab_owner) and
#               any other user as the role of their own name (local socket, peer authentication);
#               on another machine, as the program's login. A superuser is refused: a copy's
#               statements run with the rights of the role that restores it.
# When no MabZet exists yet (a new computer), a SQLite copy becomes the embedded database and
# MabZet is registered for it. Asks a question only with --unchecked.
set -euo pipefail
# What is kept aside holds patients' personal data: only its owner may read it.
umask 077
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/lib-backup.sh"
. "$(dirname "$0")/lib-private.sh"

copy='' owner=${MAB_RESTORE_OWNER:-} unchecked=no
while [ $# -gt 0 ]; do
    case $1 in
    --owner) owner=${2:?--owner needs a role}; shift 2 ;;
    --dir) MAB_BACKUP_DIR=${2:?--dir needs a folder}; shift 2 ;;
    --unchecked) unchecked=yes; shift ;;
    -h | --help) usage; exit 0 ;;
    -*) die "unknown option $1 (see scripts/restore.sh --help)" ;;
    *) [ -z "$copy" ] || die "one copy at a time"; copy=$1; shift ;;
    esac
done
if [ -z "$copy" ]; then
    say "which copy? usage: scripts/restore.sh COPY; the newest in $MAB_BACKUP_DIR:" >&2
    find "$MAB_BACKUP_DIR" -maxdepth 1 -name 'mab-*' -printf '  %p\n' 2>/dev/null | sort -r | head -n 5 >&2
    exit 1
fi
[ -f "$copy" ] || die "no such copy: $copy"
copy=$(realpath "$copy")
kind=$(copy_kind "$copy")
[ "$kind" != unknown ] || die "$copy is not a copy taken by scripts/backup.sh"
if ! checked=$(checksum_state "$copy"); then
    [ $unchecked = yes ] || die "$copy is refused: $checked. For a copy from elsewhere that you" \
        "trust: scripts/restore.sh --unchecked COPY. Nothing changed."
    printf 'mab: %s: %s.\nmab: put it back all the same? Type yes to go on: ' "$copy" "$checked" >&2
    read -r answer || answer=''
    [ "$answer" = yes ] || die "not restored; nothing changed"
fi
stamp=$(date +%Y-%m-%d_%H%M%S)

if read_mabzet; then
    engine=$(mabzet_engine) || die "MabZet uses a driver this script does not know: ${DSN[driver]:-none}"
    new_source=no
else
    [ "$kind" = sqlite ] || die "no data source MabZet: point it at the server first (scripts/use-postgresql.sh)"
    engine=sqlite new_source=yes
fi
[ "$kind" = "$engine" ] || die "$copy is a $kind copy, but MabZet names a $engine database; nothing changed"

restore_sqlite() {
    local database aside holders check
    if [ $new_source = yes ]; then
        database=$MAB_DATA_DIR/mab.db
    else
        database=$(dsn database) || die "MabZet names no database file"
    fi
    check=$(sqlite_check "$copy") || die "the copy $copy failed its check ($check); nothing changed"
    holders=$(sqlite_holders "$database")
    [ -z "$holders" ] || die "the database $database is open (close MAB first); nothing changed." \
        "Processes that have it open: $(echo "$holders" | paste -sd, | sed 's/,/, /g')"

    mkdir -p "$(dirname "$database")"
    local next=$database.restoring
    cp "$copy" "$next"
    sqlite3 "$next" 'PRAGMA journal_mode=WAL;' >/dev/null ||
        { rm -f "$next"; die "cannot prepare the copy in $next; nothing changed"; }
    if [ -e "$database" ]; then
        # Closing the last connection after a checkpoint folds the WAL into the file, so the file
        # kept aside holds every committed entry on its own. A damaged database (the reason for
        # many a restore) may refuse that: its WAL is then kept aside beside it, as it is.
        sqlite3 "$database" 'PRAGMA wal_checkpoint(TRUNCATE);' >/dev/null 2>&1 || true
        aside=$database.before-restore-$stamp
        # A second name for the same file: the database keeps existing until the copy replaces it.
        ln "$database" "$aside" 2>/dev/null || cp -p "$database" "$aside"
        [ -s "$database-wal" ] && mv "$database-wal" "$aside-wal"
        rm -f "$database-wal" "$database-shm"
    fi
    holders=$(sqlite_holders "$database")
    if [ -n "$holders" ]; then
        rm -f "$next"
        die "MAB was started meanwhile ($holders); nothing changed; the database is also kept in ${aside:-its old place}"
    fi
    mv -T "$next" "$database"
    [ -z "${aside:-}" ] || write_checksum "$aside" "$aside"
    protect_sqlite_database "$database"
    [ -n "${aside:-}" ] && say "the database as it was is kept in $aside"
    say "restored $database from $copy ($(sqlite_entries "$database") address-book entries)"
    if [ $new_source = yes ]; then
        "$MAB_ROOT/scripts/create-embedded-database.sh"
        say "no daily backup is set up on this computer yet: scripts/backup.sh --install-timer"
    fi
}

# Runs a PostgreSQL client program on MabZet's database as the owner (see --owner above).
as_owner() {
    local tool=$1
    shift
    if [ -n "$owner" ]; then
        PGSSLMODE=$PG_SSLMODE PGCONNECT_TIMEOUT=10 "$tool" -h "$PG_HOST" -p "$PG_PORT" -U "$owner" \
            -d "$PG_DATABASE" -w "$@"
    elif server_is_here "$PG_HOST" && [ "$(id -u)" -eq 0 ]; then
        (cd / && runuser -u postgres -- "$tool" -U mab_owner -p "$PG_PORT" -d "$PG_DATABASE" -w "$@")
    elif server_is_here "$PG_HOST"; then
        "$tool" -p "$PG_PORT" -d "$PG_DATABASE" -w "$@"
    else
        as_program_login "$tool" "$@"
    fi
}

owner_name() {
    if [ -n "$owner" ]; then
        echo "$owner"
    elif server_is_here "$PG_HOST"; then
        [ "$(id -u)" -eq 0 ] && echo mab_owner || id -un
    else
        echo "$PG_LOGIN"
    fi
}

restore_postgresql() {
    local check sessions aside error
    read_pg_settings
    check=$(pg_check "$copy") || die "the copy $copy failed its check ($check); nothing changed"
    say "restoring database $PG_DATABASE on $PG_HOST:$PG_PORT as role $(owner_name)"
    sessions=$(as_owner psql -X -q -tA -F' ' -v ON_ERROR_STOP=1 -c \
        "SELECT 'superuser' FROM pg_roles WHERE rolname = current_user AND rolsuper
         UNION ALL
         SELECT concat_ws(' ', pid, coalesce(host(client_addr),
                    CASE WHEN backend_start IS NULL THEN '?' ELSE 'local' END),
                    coalesce(to_char(backend_start, 'YYYY-MM-DD HH24:MI'), '?'))
           FROM pg_stat_activity
          WHERE datname = current_database() AND usename = '$MAB_PROGRAM_LOGIN'
            AND pid <> pg_backend_pid()" 2>&1) ||
        die "cannot log in as role $(owner_name); name the role that owns the tables with --owner ROLE. $sessions"
    # A copy is a list of statements, and it could hold any: a superuser would run them all.
    [ "${sessions%%$'\n'*}" != superuser ] || die "role $(owner_name) is a superuser, and a copy's" \
        "statements run with the rights of the role that restores it: restore as the role that owns" \
        "the tables (--owner mab_owner, or as root on the server without --owner); nothing changed"
    [ -z "$sessions" ] || die "MAB is connected to $PG_DATABASE (close it on every desk first);" \
        "nothing changed. Sessions (pid, from, since): $(echo "$sessions" | paste -sd, | sed 's/,/; /g')"

    mkdir -p "$MAB_BACKUP_DIR"
    protect_backup_folder "$MAB_BACKUP_DIR"
    aside=$MAB_BACKUP_DIR/mab-before-restore-$stamp.dump
    as_owner pg_dump --format=custom >"$aside" 2>/dev/null ||
        { rm -f "$aside"; die "cannot keep the current database aside in $aside; nothing changed"; }
    check=$(pg_check "$aside") || die "the copy kept aside ($aside) failed its check; nothing changed"
    write_checksum "$aside" "$aside"
    say "the database as it was is kept in $aside"

    # One transaction: on any error the database stays exactly as it was.
    error=$(as_owner pg_restore --clean --if-exists --single-transaction --exit-on-error <"$copy" 2>&1) ||
        die "the restore failed and was undone; the database is as it was. $error"
    say "restored $PG_DATABASE from $copy ($(as_owner psql -X -tA -c 'SELECT COUNT(*) FROM adresar') address-book entries)"
}

if [ "$engine" = sqlite ]; then
    restore_sqlite
else
    restore_postgresql
fi
