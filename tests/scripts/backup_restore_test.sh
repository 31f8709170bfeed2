#!/usr/bin/env bash
# scripts/backup.sh and scripts/restore.sh on a throwaway MabZet in a private ODBC folder: a copy
# taken while another connection keeps saving, the round trip, refusal while MAB runs, the number
# of copies kept, and the daily timer's set-up.
#   backup_restore_test.sh sqlite|postgresql PATH-TO-MAB   (postgresql needs MAB_TEST_PG_PORT)
set -uo pipefail
engine=${1:?sqlite or postgresql} mab=${2:?path of the mab program}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/mab-backup-test.XXXXXX)
failures=0

ok() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
expect() { # what expected actual
    if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export ODBCSYSINI=$work/odbc ODBCINI=$work/odbc/odbc.ini
mkdir -p "$HOME" "$ODBCSYSINI"
printf '[ODBC]\nTrace=No\n' >"$ODBCSYSINI/odbcinst.ini"
driver_path() { (. "$root/scripts/common.sh" && odbc_driver_path "$1"); }
backups=$work/copies
mab_pid='' writer_pid=''

if [ "$engine" = sqlite ]; then
    db=$work/mab.db ext=db
    sql() { sqlite3 -bail -cmd '.timeout 10000' "$db" "$@"; }
    "$root/scripts/upgrade-database.sh" --sqlite "$db" >/dev/null || exit 1
    sql 'PRAGMA journal_mode=WAL;' >/dev/null
    printf '[MabZet]\nDriver=%s\nDatabase=%s\nJournalMode=WAL\nTimeout=5000\nStepAPI=1\n' \
        "$(driver_path libsqlite3odbc.so)" "$db" >"$ODBCINI"
    # Rows of a copy, read straight from the file.
    copy_sql() { sqlite3 -readonly "$1" "$2"; }
    pad='hex(randomblob(60))'
    series="WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) SELECT"
    series_end="FROM n"
    restore_args=()
else
    port=${MAB_TEST_PG_PORT:?MAB_TEST_PG_PORT names the test server}
    db=mab_backup_test_$$ ext=dump
    psql_on() { psql -X -q -tA -v ON_ERROR_STOP=1 -h 127.0.0.1 -p "$port" -U postgres -d "$@"; }
    sql() { psql_on "$db" -c "$@"; }
    psql_on postgres -c "CREATE DATABASE $db OWNER mab_owner" || exit 1
    # Tables owned by another role than the program's login, as on a real server.
    "$root/scripts/upgrade-database.sh" --host 127.0.0.1 --port "$port" --database "$db" \
        --owner postgres >/dev/null || exit 1
    sql 'GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA public TO kiro'
    printf '[MabZet]\nDriver=%s\nServername=127.0.0.1\nPort=%s\nDatabase=%s\nCommLog=0\nDebug=0\n' \
        "$(driver_path psqlodbcw.so)" "$port" "$db" >"$ODBCINI"
    scratch=0
    # Rows of a copy: restored by pg_restore itself into a database of its own.
    copy_sql() {
        local name=${db}_copy_$((scratch += 1))
        psql_on postgres -c "CREATE DATABASE $name" &&
            pg_restore -h 127.0.0.1 -p "$port" -U postgres -d "$name" --no-owner "$1" &&
            psql_on "$name" -c "$2"
        psql_on postgres -c "DROP DATABASE IF EXISTS $name" >/dev/null
    }
    pad="md5(i::text) || md5((i + 1)::text)"
    series="SELECT"
    series_end="FROM generate_series(1, 20000) AS i"
    restore_args=(--owner mab_owner)
fi

cleanup() {
    touch "$work/stop"
    [ -n "$mab_pid" ] && kill "$mab_pid" 2>/dev/null
    [ -n "$writer_pid" ] && wait "$writer_pid" 2>/dev/null
    [ -n "$mab_pid" ] && wait "$mab_pid" 2>/dev/null
    [ "$engine" = postgresql ] && psql_on postgres -c "DROP DATABASE IF EXISTS $db WITH (FORCE)"
    rm -rf "$work"
}
trap cleanup EXIT

rows() { sql 'SELECT rbr, ime, prezime, ulica, napomena FROM adresar ORDER BY rbr;' | md5sum; }
copies_in() { find "$1" -maxdepth 1 -name "mab-*.$ext" -printf '%f\n' | sort; }

# 20000 entries, so that taking the copy lasts long enough for the writer to commit meanwhile.
sql "INSERT INTO adresar (rbr, ime, prezime, ulica, napomena)
     $series i, 'Ime', 'Prezime', $pad, 'celo' $series_end;" >/dev/null

# Each entry is written as one unit of work: inserted half-done, then completed. A copy that sees a
# unit of work only in part holds a 'pola' entry or a gap in the numbers.
writer() {
    awk -v stop="$work/stop" 'BEGIN {
        for (i = 20001; i < 400000; i++) {
            printf "BEGIN; INSERT INTO adresar (rbr, ime, prezime, napomena) VALUES (%d, %s, %s, %s);\n",
                i, "\047Novi\047", "\047Upis\047", "\047pola\047"
            printf "UPDATE adresar SET napomena = %s WHERE rbr = %d; COMMIT;\n", "\047celo\047", i
            if (i % 20 == 0) { fflush(); if ((getline line < stop) >= 0) exit; }
        } }' |
        if [ "$engine" = sqlite ]; then
            # No checkpoints, as while the program keeps a read open: committed entries stay in
            # the WAL, where a copy of the database file alone would miss them.
            sqlite3 -bail -cmd '.timeout 10000' -cmd 'PRAGMA wal_autocheckpoint=0;' "$db" >/dev/null
        else
            psql_on "$db" >/dev/null
        fi
}
newest() { sql 'SELECT MAX(rbr) FROM adresar;'; }

echo "== a copy taken while another connection keeps saving ($engine) [$SECONDS s]"
writer &
writer_pid=$!
for _ in $(seq 100); do [ "$(newest)" -gt 20300 ] && break; sleep 0.1; done
before=$(newest)
output=$("$root/scripts/backup.sh" --dir "$backups" 2>&1)
status=$?
after=$(newest)
touch "$work/stop"
wait "$writer_pid"
writer_pid=
echo "$output"
expect "backup succeeds" 0 "$status"
copy=$backups/$(copies_in "$backups" | tail -n 1)
[[ $output == *"copy checked and kept: $copy"* ]] && ok "says where the copy is" ||
    fail "the output does not name the copy $copy"
[ "$after" -gt "$before" ] && ok "the writer committed while the copy was taken ($before -> $after)" ||
    fail "the writer did not commit during the backup ($before -> $after)"
if [ "$engine" = sqlite ]; then
    expect "the copy passes its integrity check" ok "$(copy_sql "$copy" 'PRAGMA integrity_check;')"
fi
read -r top count half <<<"$(copy_sql "$copy" "SELECT MAX(rbr), COUNT(*),
    SUM(CASE WHEN napomena = 'pola' THEN 1 ELSE 0 END) FROM adresar;" | tr '|' ' ')"
[ "${top:-0}" -ge "$before" ] && [ "${top:-0}" -le "$after" ] &&
    ok "the copy holds every entry committed before it began ($top >= $before)" ||
    fail "the copy's newest entry ${top:-none} is not between $before and $after"
expect "no entry is missing in between" "$top" "$count"
expect "no half-written entry" 0 "$half"

echo "== restore round trip ($engine) [$SECONDS s]"
output=$("$root/scripts/backup.sh" --dir "$backups" 2>&1) || fail "second backup: $output"
copy=$backups/$(copies_in "$backups" | tail -n 1)
expected=$(rows)
sql "UPDATE adresar SET ime = 'Promenjeno' WHERE rbr = 1;
     DELETE FROM adresar WHERE rbr BETWEEN 2 AND 10;
     INSERT INTO adresar (rbr, ime, prezime) VALUES (999999, 'Posle', 'Kopije');" >/dev/null
changed=$(rows)
output=$("$root/scripts/restore.sh" "$copy" --dir "$backups" "${restore_args[@]}" 2>&1)
status=$?
echo "$output"
expect "restore succeeds" 0 "$status"
expect "the rows are exactly those of the copy" "$expected" "$(rows)"
if [ "$engine" = sqlite ]; then
    aside=$(ls "$db".before-restore-* 2>/dev/null | head -n 1)
else
    aside=$(ls "$backups"/mab-before-restore-*.dump 2>/dev/null | head -n 1)
fi
[[ -n $aside && $output == *"kept in $aside"* ]] && ok "says where the replaced database is kept" ||
    fail "no replaced database named in the output (found: ${aside:-nothing})"
[ -n "$aside" ] && expect "the replaced database is kept with its changes" \
    "Promenjeno|0|1" "$(copy_sql "$aside" "SELECT (SELECT ime FROM adresar WHERE rbr = 1),
        (SELECT COUNT(*) FROM adresar WHERE rbr BETWEEN 2 AND 10),
        (SELECT COUNT(*) FROM adresar WHERE rbr = 999999);")"
[ "$expected" != "$changed" ] || fail "the changes before the restore changed nothing"

echo "== a copy changed since, or without its checksum, is refused ($engine) [$SECONDS s]"
(cd "$backups" && sha256sum --quiet -c "${copy##*/}.sha256") && ok "the copy's checksum is beside it" ||
    fail "no checksum that matches beside $copy"
held=$(rows)
cp "$copy" "$work/changed.$ext" && printf x >>"$work/changed.$ext" && cp "$copy.sha256" "$work/changed.$ext.sha256"
cp "$copy" "$work/unsigned.$ext"
superuser=$([ "$engine" = postgresql ] &&
    echo "restored by a superuser|$work/unsigned.$ext|--unchecked --owner postgres|yes|is a superuser")
while IFS='|' read -r what file args answer says; do
    [ -n "$what" ] || continue
    output=$(echo "$answer" | "$root/scripts/restore.sh" "$file" --dir "$backups" "${restore_args[@]}" $args 2>&1)
    [ $? -ne 0 ] && [[ $output == *"$says"*"othing changed"* ]] && ok "$what: refused" || fail "$what: $output"
done <<ROWS
changed since it was taken|$work/changed.$ext|||does not match
without a checksum|$work/unsigned.$ext|||has no checksum
without one, --unchecked, not answered yes|$work/unsigned.$ext|--unchecked|no|not restored
$superuser
ROWS
expect "the database is as it was" "$held" "$(rows)"

echo "== restore refuses while MAB runs ($engine) [$SECONDS s]"
QT_QPA_PLATFORM=offscreen "$mab" >"$work/mab.log" 2>&1 &
mab_pid=$!
connected() {
    if [ "$engine" = sqlite ]; then
        find "/proc/$mab_pid/fd" -lname "$db" 2>/dev/null | grep -q .
    else
        [ "$(sql "SELECT COUNT(*) FROM pg_stat_activity WHERE datname = '$db' AND usename = 'kiro'")" -gt 0 ]
    fi
}
for _ in $(seq 150); do connected && break; sleep 0.1; done
if connected; then
    ok "MAB has the database open"
    sql "DELETE FROM adresar WHERE rbr = 999;" >/dev/null
    held=$(rows)
    asides_before=$(ls "$db".before-restore-* "$backups"/mab-before-restore-* 2>/dev/null | wc -l)
    output=$("$root/scripts/restore.sh" "$copy" --dir "$backups" "${restore_args[@]}" 2>&1)
    status=$?
    echo "$output"
    [ "$status" -ne 0 ] && ok "restore refuses" || fail "restore went ahead while MAB ran"
    [[ $output == *"nothing changed"* && $output == *MAB* ]] && ok "says why and that nothing changed" ||
        fail "the refusal does not say why"
    expect "the database is as it was" "$held" "$(rows)"
    expect "nothing new was kept aside" "$asides_before" \
        "$(ls "$db".before-restore-* "$backups"/mab-before-restore-* 2>/dev/null | wc -l)"
else
    fail "MAB did not open the database within 15 s: $(cat "$work/mab.log")"
fi
kill "$mab_pid"
wait "$mab_pid" 2>/dev/null
mab_pid=

echo "== a copy of the other engine is refused ($engine) [$SECONDS s]"
other=$work/other-copy
[ "$engine" = sqlite ] && printf 'PGDMP\001\016' >"$other" || printf 'SQLite format 3\000' >"$other"
(cd "$work" && sha256sum other-copy >other-copy.sha256)
held=$(rows)
output=$("$root/scripts/restore.sh" "$other" --dir "$backups" "${restore_args[@]}" 2>&1)
[ $? -ne 0 ] && [[ $output == *"nothing changed"* ]] && ok "refused: $output" || fail "accepted: $output"
expect "the database is as it was" "$held" "$(rows)"

echo "== the number of copies kept ($engine) [$SECONDS s]"
kept=$work/kept
mkdir -p "$kept"
for day in 01 02 03 04; do cp "$copy" "$kept/mab-2020-01-${day}_080000.$ext"; done
cp "$copy" "$kept/mab-before-restore-2019-12-31_080000.$ext"
echo notes >"$kept/notes.txt"
output=$("$root/scripts/backup.sh" --dir "$kept" --keep 3 2>&1) || fail "backup: $output"
echo "$output"
newest_copy=$(copies_in "$kept" | grep -v -e "^mab-2020-01-" -e before)
expect "the newest three copies stay" \
    "mab-2020-01-03_080000.$ext mab-2020-01-04_080000.$ext $newest_copy" \
    "$(copies_in "$kept" | grep -v before | paste -sd' ')"
[ -f "$kept/notes.txt" ] && [ -f "$kept/mab-before-restore-2019-12-31_080000.$ext" ] &&
    ok "other files in the folder stay" || fail "retention removed a file that is not a copy"

if [ "$engine" = sqlite ]; then
    echo "== a damaged database is replaced all the same and kept aside [$SECONDS s]"
    rm -f "$db".before-restore-*
    head -c 8192 /dev/urandom >"$db"
    damaged=$(md5sum <"$db")
    output=$("$root/scripts/restore.sh" "$copy" 2>&1)
    expect "restore succeeds" "0" "$?"
    expect "the rows are those of the copy" \
        "$(copy_sql "$copy" 'SELECT rbr, ime, prezime, ulica, napomena FROM adresar ORDER BY rbr;' |
            md5sum)" "$(rows)"
    expect "the damaged file is kept as it was" "$damaged" "$(md5sum <"$db".before-restore-*_??????)"

    echo "== the daily timer [$SECONDS s]"
    # A stand-in for systemctl that records what it was asked; FAKE_SESSION=no has no session.
    mkdir -p "$work/bin"
    cat >"$work/bin/systemctl" <<EOF
#!/bin/sh
echo "\$*" >>"$work/systemctl.log"
[ "\$1 \$2" = "--user show-environment" ] && [ "\${FAKE_SESSION:-yes}" = no ] && exit 1
exit 0
EOF
    chmod +x "$work/bin/systemctl"
    units=$XDG_CONFIG_HOME/systemd/user
    output=$(PATH=$work/bin:$PATH FAKE_SESSION=no "$root/scripts/backup.sh" --install-timer 2>&1)
    expect "without a user session: says no daily backup was set up" "2 yes no" \
        "$? $([[ $output == *"no daily backup was set up"* ]] && echo yes || echo no) $(
            [ -e "$units/mab-backup.timer" ] && echo yes || echo no)"
    odd="$work/copies 100%"
    output=$(PATH=$work/bin:$PATH "$root/scripts/backup.sh" --install-timer --dir "$odd" --keep 7 2>&1)
    expect "installs the timer" 0 $?
    echo "$output"
    expect "the service runs this backup with the folder and number given" \
        "ExecStart=\"$root/scripts/backup.sh\" --dir \"$work/copies 100%%\" --keep 7" \
        "$(grep ^ExecStart= "$units/mab-backup.service")"
    grep -qx "Environment=\"ODBCINI=$ODBCINI\"" "$units/mab-backup.service" &&
        ok "the service uses the same ODBC set-up" || fail "the service lacks ODBCINI"
    grep -qx OnCalendar=daily "$units/mab-backup.timer" && ok "the timer fires daily" ||
        fail "the timer is not daily"
    grep -qx -- "--user enable --now mab-backup.timer" "$work/systemctl.log" &&
        ok "the timer is enabled and started" || fail "the timer was not enabled"
    output=$(PATH=$work/bin:$PATH "$root/scripts/backup.sh" --remove-timer 2>&1)
    expect "removes the timer" "0 no no yes" "$? $(
        [ -e "$units/mab-backup.timer" ] && echo yes || echo no) $(
        [ -e "$units/mab-backup.service" ] && echo yes || echo no) $(
        grep -qx -- "--user disable --now mab-backup.timer" "$work/systemctl.log" && echo yes || echo no)"
fi

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
