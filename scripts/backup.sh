#!/usr/bin/env bash
# Writes a checked copy of the database that MabZet names, also while MAB is open and saving.
#
#   scripts/backup.sh [--dir FOLDER] [--keep N]
#   scripts/backup.sh --install-timer [--dir FOLDER] [--keep N]   daily copies (systemd user timer)
#   scripts/backup.sh --remove-timer
#
# --dir   where the copies go (default ~/.local/share/mab/backups, or $MAB_BACKUP_DIR)
# --keep  how many copies are kept; the oldest beyond it are removed (default 30, $MAB_BACKUP_KEEP)
# SQLite copies are taken with SQLite's own VACUUM INTO (one consistent read, never a file copy),
# PostgreSQL copies with pg_dump in its custom format. Each copy is checked before it counts, and
# its checksum is written beside it (COPY.sha256), which restore.sh checks.
# Never asks a question, so timers and cron can run it.
set -euo pipefail
# Copies, their checksums and the timer's units are this user's alone, from the first file written.
umask 077
. "$(dirname "$0")/common.sh"
. "$(dirname "$0")/lib-backup.sh"
. "$(dirname "$0")/lib-backup-timer.sh"
. "$(dirname "$0")/lib-private.sh"

action=backup
while [ $# -gt 0 ]; do
    case $1 in
    --dir) MAB_BACKUP_DIR=${2:?--dir needs a folder}; shift 2 ;;
    --keep) MAB_BACKUP_KEEP=${2:?--keep needs a number}; shift 2 ;;
    --install-timer) action=install-timer; shift ;;
    --remove-timer) action=remove-timer; shift ;;
    -h | --help) usage; exit 0 ;;
    *) die "unknown option $1 (see scripts/backup.sh --help)" ;;
    esac
done
is_whole_number "$MAB_BACKUP_KEEP" && [ "$MAB_BACKUP_KEEP" -gt 0 ] ||
    die "--keep needs a whole number of at least 1"
MAB_BACKUP_DIR=$(realpath -m "$MAB_BACKUP_DIR")

case $action in
install-timer) install_backup_timer; exit $? ;;
remove-timer) remove_backup_timer; exit $? ;;
esac

read_mabzet || die "no data source MabZet: nothing to back up (scripts/run.sh sets one up)"
engine=$(mabzet_engine) || die "MabZet uses a driver this script does not know: ${DSN[driver]:-none}"
[ "$engine" = sqlite ] || read_pg_settings

mkdir -p "$MAB_BACKUP_DIR" || die "cannot create the backup folder $MAB_BACKUP_DIR"
protect_backup_folder "$MAB_BACKUP_DIR"
# One backup at a time (a timer may fire while someone runs it by hand).
exec 9>"$MAB_BACKUP_DIR/.lock"
flock -w 600 9 || die "another backup into $MAB_BACKUP_DIR is still running"

suffix=$([ "$engine" = sqlite ] && echo db || echo dump)
# Named by the time the copy is taken; two copies within one second would share a name.
while :; do
    name=mab-$(date +%Y-%m-%d_%H%M%S).$suffix
    [ -e "$MAB_BACKUP_DIR/$name" ] || break
    sleep 1
done
copy=$MAB_BACKUP_DIR/$name
partial=$MAB_BACKUP_DIR/.partial-$name
trap 'rm -f "$partial"' EXIT

if [ "$engine" = sqlite ]; then
    database=$(dsn database) || die "MabZet names no database file"
    [ -s "$database" ] || die "the database $database does not exist or is empty"
    protect_sqlite_database "$database"
    say "copying $database"
    rm -f "$partial"
    # VACUUM INTO reads inside one transaction: with the WAL journal the program keeps saving
    # meanwhile, and the copy holds exactly what was committed when the read began.
    if ! error=$(sqlite3 -bail -cmd '.timeout 30000' "$database" \
        "VACUUM INTO '${partial//\'/\'\'}';" 2>&1); then
        die "the copy failed: $error"
    fi
    check=$(sqlite_check "$partial") || die "the copy failed its check and was not kept: $check"
    entries=$(sqlite_entries "$partial")
else
    command -v pg_dump >/dev/null || die "pg_dump not found (package postgresql-client)"
    say "copying database $PG_DATABASE on $PG_HOST:$PG_PORT"
    # pg_dump reads in one snapshot; the program's units of work go on meanwhile. It gives up
    # rather than queue behind a table lock that some session holds for long.
    if ! error=$(as_program_login pg_dump --format=custom --lock-wait-timeout=60000 \
        --file="$partial" 2>&1); then
        die "the copy failed: $error"
    fi
    check=$(pg_check "$partial") || die "the copy failed its check and was not kept: $check"
    entries=
fi
# The checksum first, so that no copy is ever there without it.
write_checksum "$partial" "$copy"
mv "$partial" "$copy"
trap - EXIT
say "copy checked and kept: $copy ($(du -h "$copy" | cut -f1)${entries:+, $entries address-book entries})"

# The oldest copies of this kind beyond the number kept go; other files in the folder stay.
d='[0-9]'
mapfile -t copies < <(find "$MAB_BACKUP_DIR" -maxdepth 1 -type f \
    -name "mab-$d$d$d$d-$d$d-${d}${d}_$d$d$d$d$d$d.$suffix" -printf '%f\n' | sort)
excess=$((${#copies[@]} - MAB_BACKUP_KEEP))
for ((i = 0; i < excess; i++)); do
    rm -f "$MAB_BACKUP_DIR/${copies[$i]}" "$MAB_BACKUP_DIR/${copies[$i]}.sha256"
    say "removed the old copy ${copies[$i]} (keeping $MAB_BACKUP_KEEP)"
done
