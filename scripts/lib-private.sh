# Patient data is for its owner's eyes only: group and others lose every right on the data folder,
# the backup folder, the database with its WAL and shared-memory files and every copy (0700 and
# 0600 as made). Rights are only ever taken away, never given: a database its owner made read-only
# (0444) stays read-only (0400). Installations made before this rule had 0644 files in 0755
# folders, so each start, backup and restore puts the modes right again. Sourced after common.sh
# (and lib-backup.sh, for the MabZet functions).
# shellcheck shell=bash

# chmod go-rwx that says so when the file system cannot keep modes (a FAT USB stick) and goes on.
private_mode() {
    chmod go-rwx "$@" 2>/dev/null || say "warning: could not make $* readable by its owner only" >&2
}

# The folder itself, never its parents: a database the user keeps in ~/Documents leaves that be.
make_private_dir() {
    [ -d "$1" ] && private_mode "$1"
    return 0
}

# Each named file that exists; names that match nothing are skipped.
make_private_files() {
    local file
    for file; do
        [ -f "$file" ] && private_mode "$file"
    done
    return 0
}

# A SQLite database and what SQLite and restore.sh keep beside it.
protect_sqlite_database() {
    local db=$1
    make_private_files "$db" "$db-wal" "$db-shm" "$db-journal" "$db".restoring \
        "$db".before-restore-*
    [ "$(dirname "$db")" -ef "$MAB_DATA_DIR" ] && make_private_dir "$MAB_DATA_DIR"
    return 0
}

# A backup folder and the copies in it (only backup.sh's names: other files there stay as they are).
protect_backup_folder() {
    local dir=$1 copy
    [ -d "$dir" ] || return 0
    make_private_dir "$dir"
    while IFS= read -r -d '' copy; do
        private_mode "$copy"
    done < <(find "$dir" -maxdepth 1 -type f \( -name 'mab-*.db' -o -name 'mab-*.dump' -o \
        -name 'mab-*.sha256' -o -name '.partial-mab-*' \) -print0)
}

# Everything of this user's installation: the data folder, the embedded database that MabZet
# names, and the default backup folder.
protect_installation() {
    local db
    make_private_dir "$MAB_DATA_DIR"
    if read_mabzet && [ "$(mabzet_engine)" = sqlite ] && db=$(dsn database); then
        protect_sqlite_database "$db"
    fi
    protect_backup_folder "$MAB_BACKUP_DIR"
}
