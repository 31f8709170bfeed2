#!/usr/bin/env bash
# scripts/upgrade-database.sh on a throwaway MabZet in a private ODBC folder: a database made with
# the first schema (tests/data/schema-v1-ENGINE.sql), older still where that matters, and filled
# with entries of every kind comes to the newest version with every value intact and the schema of
# a new database; a second run changes nothing; a newer database, a foreign one and (PostgreSQL) a
# login without rights are refused unchanged; a failed step is undone alone. On PostgreSQL the two
# engines' new databases are also compared column for column.
#   schema_upgrade_test.sh sqlite|postgresql   (postgresql needs MAB_TEST_PG_PORT)
set -uo pipefail
engine=${1:?sqlite or postgresql}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/mab-upgrade-test.XXXXXX)
failures=0

ok() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
expect() { # what expected actual
    if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

export HOME=$work/home XDG_DATA_HOME=$work/home/data
export ODBCSYSINI=$work/odbc ODBCINI=$work/odbc/odbc.ini
mkdir -p "$HOME" "$ODBCSYSINI"
printf '[ODBC]\nTrace=No\n' >"$ODBCSYSINI/odbcinst.ini"
driver_path() { (. "$root/scripts/common.sh" && odbc_driver_path "$1"); }
copies=$work/copies
newest=$(find "$root/db/$engine/steps" -name '[0-9][0-9][0-9]-*.sql' | wc -l)
copies_taken() { find "$copies" -name 'mab-*' ! -name '*.sha256' 2>/dev/null | wc -l; }

# Tables and columns in one form for both engines: table|position|TYPE|not null|key position.
sqlite_columns() {
    sqlite3 "$1" "SELECT m.name || '|' || p.cid || '|' || upper(p.type) || '|' || p.\"notnull\"
        || '|' || p.pk FROM sqlite_master m, pragma_table_info(m.name) p WHERE m.type = 'table'
        ORDER BY m.name, p.cid;"
}
pg_columns() {
    psql_on "$1" -c "SELECT c.relname || '|' || (row_number() OVER (PARTITION BY c.relname
            ORDER BY a.attnum) - 1) || '|' || upper(replace(replace(format_type(a.atttypid,
            a.atttypmod), 'character varying', 'varchar'), ' without time zone', '')) || '|' || a.attnotnull::int || '|'
            || coalesce(array_position(k.conkey, a.attnum), 0)
        FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace AND n.nspname = 'public'
        JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped
        LEFT JOIN pg_constraint k ON k.conrelid = c.oid AND k.contype = 'p'
        WHERE c.relkind = 'r' ORDER BY c.relname, a.attnum;"
}

if [ "$engine" = sqlite ]; then
    db=$work/mab.db
    sql() { sqlite3 -bail -nullvalue '<NULL>' "$db" "$@"; }
    sql <"$root/tests/data/schema-v1-sqlite.sql"
    sql <"$root/db/seed.sql"
    printf '[MabZet]\nDriver=%s\nDatabase=%s\n' "$(driver_path libsqlite3odbc.so)" "$db" >"$ODBCINI"
    long="replace(hex(zeroblob(2500)), '00', 'čŽ')"
    # A file made before the case-blind surname index existed.
    sql 'DROP INDEX adresar_prezime_nocase;'
    schema() { sqlite3 "$db" .schema; }
    shape() { sqlite_columns "$1"; sqlite3 "$1" "SELECT tbl_name || '|' || name FROM sqlite_master
        WHERE type = 'index' AND sql IS NOT NULL ORDER BY 1;"; }
    new_database() { "$root/scripts/upgrade-database.sh" --sqlite "$work/$1.db" >/dev/null && echo "$work/$1.db"; }
    owner=()
else
    port=${MAB_TEST_PG_PORT:?MAB_TEST_PG_PORT names the test server}
    db=mab_upgrade_test_$$
    psql_on() { psql -X -q -tA -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U postgres -d "$@"; }
    sql() { psql_on "$db" -P null='<NULL>' -c "$@"; }
    psql_on postgres -c "CREATE DATABASE $db OWNER mab_owner" || exit 1
    # As today's server: the tables are mab_owner's, the program's login has its grants.
    psql_on "$db" -c 'SET ROLE mab_owner' -f "$root/tests/data/schema-v1-postgresql.sql" \
        -f "$root/db/seed.sql" -c 'GRANT SELECT ON status, nalazi TO kiro' \
        -c 'GRANT SELECT, INSERT, UPDATE, DELETE ON adresar TO kiro' >/dev/null || exit 1
    printf '[MabZet]\nDriver=%s\nServername=127.0.0.1\nPort=%s\nDatabase=%s\nCommLog=0\nDebug=0\n' \
        "$(driver_path psqlodbcw.so)" "$port" "$db" >"$ODBCINI"
    long="repeat('čŽ', 2500)"
    # A server set up before the address book's text columns lost their limits.
    sql 'ALTER TABLE adresar ALTER COLUMN ime TYPE varchar(60), ALTER COLUMN grad TYPE varchar(60),
         ALTER COLUMN ulica TYPE varchar(6000), ALTER COLUMN napomena TYPE varchar(6000);'
    # Without the random key that pg_dump puts around its output.
    schema() { pg_dump -h 127.0.0.1 -p "$port" -U postgres --schema-only "$db" | grep -Ev '^\\(un)?restrict '; }
    shape() { pg_columns "$1"; psql_on "$1" -c "SELECT tablename || '|' || indexname FROM pg_indexes
        WHERE schemaname = 'public' AND indexname NOT IN (SELECT conname FROM pg_constraint) ORDER BY 1;"; }
    new_database() {
        psql_on postgres -c "CREATE DATABASE ${db}_$1 OWNER mab_owner" &&
            "$root/scripts/upgrade-database.sh" --host 127.0.0.1 --port "$port" --database "${db}_$1" \
                --owner postgres >/dev/null && echo "${db}_$1"
    }
    owner=(--owner postgres)
fi

cleanup() {
    if [ "$engine" = postgresql ]; then
        for name in "$db" "${db}_new"; do
            psql_on postgres -c "DROP DATABASE IF EXISTS $name WITH (FORCE)"
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT
upgrade() { "$root/scripts/upgrade-database.sh" --dir "$copies" "$@" 2>&1; }
version() { sql 'SELECT MAX(version) FROM schema_version;' 2>/dev/null || echo none; }
rows() {
    sql 'SELECT * FROM status ORDER BY rbr;'
    sql 'SELECT * FROM adresar ORDER BY rbr;'
    sql 'SELECT * FROM nalazi ORDER BY grupa, podgrupa, rbr;'
}

# Every column filled (quotes, letters of both scripts), only what is required, long texts,
# empty texts, and catalogue lines with NULLs and the extremes of their decimals.
sql "INSERT INTO status VALUES (6, 'Đak ''Ćirilica'' Жељко');
INSERT INTO adresar VALUES (1, 'Željko', 'Đurić', 'Đ', '0101990710012', 1, 6, 'Šumadijska 1',
    'Niš', '018/123-456', '+381 64 1', 'fax', 'a@b.rs', 'Čačak d.o.o.', 'Лаб', 'Ulica 2', 'Grad',
    't1', 't2', 'pf', 'p@e.rs', 'napomena ''s navodnicima''');
INSERT INTO adresar (rbr, ime, prezime) VALUES (2, 'Samo', 'Obavezno');
INSERT INTO adresar (rbr, ime, prezime, ulica, napomena, pol, status)
    VALUES (3, 'Dug', 'Tekst', $long, $long, 0, 1);
INSERT INTO adresar VALUES (32767, '', '', '', NULL, NULL, NULL, '', '', '', '', '', '', '', '',
    '', '', '', '', '', '', '');
INSERT INTO nalazi VALUES (9, 9, 1, 'Bez jedinice', NULL, NULL, NULL, NULL, NULL);
INSERT INTO nalazi VALUES (9, 9, 2, 'Granice', 'µmol/L', 0.001, 9999999.999, -1.5, 0);"
before=$(rows)
expect "the filled database holds the long texts" "5000 5000" \
    "$(sql 'SELECT length(ulica), length(napomena) FROM adresar WHERE rbr = 3;' | tr '|' ' ')"

echo "== an older database comes to the newest version ($engine) [$SECONDS s]"
output=$(upgrade "${owner[@]}")
status=$?
echo "$output"
expect "the upgrade succeeds" 0 "$status"
expect "one row for every version" "$(seq -s' ' "$newest")" "$(sql 'SELECT version FROM schema_version ORDER BY 1;' | paste -sd' ')"
[ "$before" = "$(rows)" ] && ok "every row and value is intact" || fail "rows changed: $(diff <(echo "$before") <(rows) | head -n 5)"
expect "one copy was taken first" 1 "$(copies_taken)"
copy=$(find "$copies" -name 'mab-*' ! -name '*.sha256' | head -n 1)
if [ "$engine" = sqlite ]; then
    expect "the copy holds the database before the upgrade" 0 \
        "$(sqlite3 "$copy" "SELECT COUNT(*) FROM sqlite_master WHERE name = 'schema_version';")"
else
    expect "the copy holds the database before the upgrade" 0 "$(pg_restore --list "$copy" | grep -c schema_version)"
    expect "the program's login reads the version" "$newest" "$(PGPASSWORD=qdxw psql -X -tA -h 127.0.0.1 \
        -p "$port" -U kiro -d "$db" -c 'SELECT MAX(version) FROM schema_version')"
fi
new=$(new_database new)
[ -n "$(shape "$db")" ] || fail "no schema read"
expect "the schema is that of a new database" "$(shape "$new")" "$(shape "$db")"

echo "== a second run changes nothing ($engine) [$SECONDS s]"
dump=$(schema)
output=$(upgrade "${owner[@]}")
expect "succeeds, with nothing to do" "0 yes" "$? $([[ $output == *"nothing to do"* ]] && echo yes || echo no)"
expect "the same schema" "$dump" "$(schema)"
[ "$before" = "$(rows)" ] && ok "the same rows" || fail "the rows changed"
expect "no further copy" 1 "$(copies_taken)"

if [ "$engine" = postgresql ]; then
    echo "== a login that may not change the tables is told what to run [$SECONDS s]"
    sql "DELETE FROM schema_version WHERE version = $newest;"
    output=$(PGPASSWORD=qdxw upgrade --owner kiro)
    status=$?
    echo "$output"
    [ $status -ne 0 ] && [[ $output == *"--setup-local-server"* && $output == *"Nothing changed"* ]] &&
        ok "refused with what to run" || fail "not refused as expected: $status $output"
    expect "the version is as it was, and no copy was taken" "$((newest - 1)) 1" "$(version) $(copies_taken)"
    upgrade "${owner[@]}" >/dev/null
fi

echo "== a database newer than this MAB is refused ($engine) [$SECONDS s]"
taken=$(copies_taken)
sql "INSERT INTO schema_version (version) VALUES ($((newest + 1)));"
dump=$(schema)
output=$(upgrade "${owner[@]}")
status=$?
echo "$output"
[ $status -ne 0 ] && [[ $output == *"newer than version $newest"* && $output == *"nothing changed"* ]] &&
    ok "refused, saying why" || fail "not refused as expected: $status $output"
expect "the schema is as it was" "$dump" "$(schema)"
[ "$before" = "$(rows)" ] && ok "the rows are as they were" || fail "the rows changed"
expect "no copy was taken" "$taken" "$(copies_taken)"

echo "== a recorded version that is not a version is refused, unrun ($engine) [$SECONDS s]"
# A tampered copy may keep any text as its version: the column as text, one value at a time.
if [ "$engine" = sqlite ]; then
    sql "CREATE TABLE v AS SELECT CAST(version AS TEXT) AS version FROM schema_version;
         DROP TABLE schema_version; ALTER TABLE v RENAME TO schema_version;"
else
    sql 'ALTER TABLE schema_version ALTER COLUMN version TYPE text'
fi
canary=$work/canary taken=$(copies_taken)
dump=$(schema)
while IFS='|' read -r what value says; do
    rm -f "$canary"
    sql "DELETE FROM schema_version; INSERT INTO schema_version (version) VALUES ('$value');"
    output=$(upgrade "${owner[@]}")
    status=$?
    [ $status -ne 0 ] && [[ $output == *"$says"*"othing changed"* ]] && ok "$what: refused" ||
        fail "$what: not refused as expected: $status $output"
    expect "$what: nothing ran, nothing changed, no copy" "no $taken yes yes" "$([ -e "$canary" ] &&
        echo ran || echo no) $(copies_taken) $([ "$dump" = "$(schema)" ] && echo yes || echo no) $(
        [ "$before" = "$(rows)" ] && echo yes || echo no)"
done <<ROWS
a command in an array index|steps[\$(id>$canary)]|not a version number
a command in arithmetic|\$(id>$canary)|not a version number
negative|-1|not a version number
empty||not a version number
a fraction|5.5|not a version number
a leading zero, octal to the shell|010|not a version number
hexadecimal|0x10|not a version number
past the newest step|999|newer than version $newest
past the shell's arithmetic|99999999999999999999|newer than version $newest
ROWS
sql 'DELETE FROM schema_version;'
output=$(upgrade "${owner[@]}")
expect "version 0 over tables: a copy is taken before step 1 (which fails, undone)" "$((taken + 1)) yes" \
    "$(copies_taken) $([[ $output == *"step 1 failed and was undone"* ]] && echo yes || echo no)"

if [ "$engine" = sqlite ]; then
    # What follows from the tables found is the same on both engines; it is checked here.
    echo "== a database that is not MAB's is refused [$SECONDS s]"
    sqlite3 "$work/foreign.db" 'CREATE TABLE adresar (x);'
    output=$("$root/scripts/upgrade-database.sh" --sqlite "$work/foreign.db" 2>&1)
    [ $? -ne 0 ] && [[ $output == *"not a MAB database"* ]] && ok "refused: $output" || fail "accepted: $output"
    expect "only its own table is left" adresar "$(sqlite3 "$work/foreign.db" "SELECT group_concat(name) FROM sqlite_master;")"

    echo "== a failed step is undone alone [$SECONDS s]"
    sqlite3 "$work/failing.db" <"$root/tests/data/schema-v1-sqlite.sql"
    # Step 3's index cannot be made while a table holds its name.
    sqlite3 "$work/failing.db" 'DROP INDEX adresar_prezime_nocase; CREATE TABLE adresar_prezime_nocase (x);'
    output=$("$root/scripts/upgrade-database.sh" --sqlite "$work/failing.db" --dir "$copies" 2>&1)
    status=$?
    [ $status -ne 0 ] && [[ $output == *"step 3 failed and was undone"* ]] && ok "says which step failed" ||
        fail "not reported: $status $output"
    expect "the steps before it stay" "1 2" \
        "$(sqlite3 "$work/failing.db" 'SELECT version FROM schema_version ORDER BY 1;' | paste -sd' ')"
else
    echo "== both engines' new databases agree column for column [$SECONDS s]"
    "$root/scripts/upgrade-database.sh" --sqlite "$work/new.db" >/dev/null
    columns=$(pg_columns "$new")
    [ -n "$columns" ] && expect "the same tables and columns" "$(sqlite_columns "$work/new.db")" "$columns" ||
        fail "no columns read"
fi

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
