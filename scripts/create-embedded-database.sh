#!/usr/bin/env bash
# Creates the embedded SQLite database (the schema steps, status categories, hematology catalogue)
# and registers it as the user's ODBC data source MabZet. Does nothing when MabZet already exists,
# so an existing address book is never touched.
#   scripts/create-embedded-database.sh
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"
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
    "$MAB_ROOT/scripts/upgrade-database.sh" --sqlite "$tmp" >/dev/null
    sqlite3 "$tmp" 'PRAGMA journal_mode=WAL;' >/dev/null
    mv "$tmp" "$database"
fi

# Timeout: how long a write waits for another program's lock, in milliseconds (the driver's own
# default is 100 s, which freezes the window). A write held up by another writer gives up after
# about twice this, a write on a stale snapshot after once this; either way the user sees the
# database's message within seconds.
# StepAPI: a list read outside a transaction is handed over row by row instead of being copied
# whole into the driver's memory first (the program reads its lists that way).
register_user_data_source <<INI
Description=MAB embedded database
Driver=$driver
Database=$database
JournalMode=WAL
Timeout=2000
StepAPI=1
INI
say "registered data source MabZet -> $database"
