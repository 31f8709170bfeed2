#!/usr/bin/env bash
# Creates the embedded SQLite database (schema, status categories, hematology catalogue) and
# registers it as the user's ODBC data source MabZet. Does nothing when MabZet already exists,
# so an existing address book is never touched.
set -euo pipefail
. "$(dirname "$0")/common.sh"
# Patients' data: the folder and the database are for their owner only (0700, 0600).
umask 077

if data_source_exists MabZet; then
    say "data source MabZet already exists; leaving it as it is"
    exit 0
fi

driver=$(odbc_driver_path libsqlite3odbc.so) || die "SQLite ODBC driver not found (package libsqliteodbc)"
database=$MAB_DATA_DIR/mab.db
mkdir -p "$MAB_DATA_DIR"
if [ ! -s "$database" ]; then
    say "creating $database"
    tmp=$database.new
    rm -f "$tmp"
    # Tables whose schema step is still being written come right after the schema.
    {
        cat "$MAB_ROOT/db/sqlite/schema.sql"
        for pending in "$MAB_ROOT"/db/pending/*.sqlite.sql; do
            if [ -e "$pending" ]; then cat "$pending"; fi
        done
        cat "$MAB_ROOT/db/seed.sql"
    } | sqlite3 -bail "$tmp"
    sqlite3 "$tmp" 'PRAGMA journal_mode=WAL;' >/dev/null
    mv "$tmp" "$database"
fi

# Timeout: how long a write waits for another program's lock, in milliseconds (the driver's own
# default is 100 s, which freezes the window). A write held up by another writer gives up after
# about twice this, a write on a stale snapshot after once this; either way the user sees the
# database's message within seconds.
register_user_data_source <<INI
Description=MAB embedded database
Driver=$driver
Database=$database
JournalMode=WAL
Timeout=2000
INI
say "registered data source MabZet -> $database"
