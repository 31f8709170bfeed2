#!/usr/bin/env bash
# A private PostgreSQL server secured by scripts/use-postgresql.sh itself, then every way in that
# the program's login must not have, tried through psqlODBC with the program's login and password,
# and the real program on a desk with its certificate. Loopback addresses only.
#   server_access_test.sh PATH-TO-MAB PATH-TO-MAB_DESK_CHECK
set -uo pipefail
mab=${1:?path of the mab program} desk_check=${2:?path of tests/tools/mab_desk_check}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/mab-access-test.XXXXXX)
pg=$(mktemp -d /tmp/mab-access-pg.XXXXXX) # the server's account owns this one
port=$((57000 + RANDOM % 1000))
failures=0 mab_pid='' held_pid=''

ok() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
expect() { # what expected actual
    if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

cleanup() {
    [ -n "$mab_pid" ] && kill "$mab_pid" 2>/dev/null && wait "$mab_pid" 2>/dev/null
    [ -n "$held_pid" ] && kill "$held_pid" 2>/dev/null
    "$root/scripts/pg-test-server.sh" stop "$pg"
    rm -rf "$work"
}
trap cleanup EXIT
"$root/scripts/pg-test-server.sh" start "$pg" "$port" || exit 1
# The authority in a folder of the test's runner, as root's own on a real server.
export MAB_PG_SOCKET_DIR=$pg MAB_AUTHORITY_DIR=$work/authority
data=$pg/data db=mab_access
admin() { psql -X -q -tA -h "$pg" -p "$port" -U postgres -d postgres -c "$1"; }
setup() {
    "$root/scripts/use-postgresql.sh" --setup-local-server --port "$port" --database $db \
        --server-name localhost --listen 127.0.0.1 "$@"
}
server_files() { (cd "$data" && md5sum pg_hba.conf postgresql.auto.conf $(find mab-tls -type f | sort)); }

# A desk: its own home (where libpq looks for the certificate) and its own ODBC folder.
desk_env() { # NAME: the environment of that desk (the paths have no spaces)
    local home=$work/desk-$1
    mkdir -p "$home/odbc"
    [ -f "$home/odbc/odbcinst.ini" ] || printf '[ODBC]\nTrace=No\n' >"$home/odbc/odbcinst.ini"
    echo "HOME=$home ODBCSYSINI=$home/odbc ODBCINI=$home/odbc/odbc.ini"
}
desk() { # NAME COMMAND...: runs the command as that desk; in the background, $! is the command
    local vars
    vars=$(desk_env "$1")
    shift
    env $vars "$@"
}
# Connects through psqlODBC with the program's login as desk NAME's MabZet, with KEY=VALUE settings
# changed; prints "connected" or the driver's message.
probe() { # NAME [KEY=VALUE]... [-- ENVIRONMENT...]
    local name=$1 ini=$work/desk-$1/odbc/odbc.ini setting
    shift
    cp "$ini" "$ini.probe"
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        sed -i "/^${1%%=*}=/d" "$ini.probe"
        echo "$1" >>"$ini.probe"
        shift
    done
    [ "${1:-}" = -- ] && shift
    setting=$(desk "$name" env ODBCINI="$ini.probe" "$@" isql -b -v MabZet kiro "${PASSWORD:-qdxw}" \
        <<<"SELECT count(*) FROM status" 2>&1)
    if [[ $setting == *"rows fetched"* ]]; then echo connected; else
        grep -m1 -o 'FATAL: .*\|SSL error: .*\|server certificate .*\|could not .*' <<<"$setting" ||
            echo "$setting"
    fi
}
refused() { # WHAT EXPECTED-PART-OF-MESSAGE OUTCOME
    [[ $3 != connected && $3 == *"$2"* ]] && ok "$1: refused ($3)" || fail "$1: $3"
}

echo "== the set-up refuses to open the server without the desks' network [$SECONDS s]"
admin "SET password_encryption = 'md5'; ALTER ROLE kiro PASSWORD 'qdxw'" # as an older server had it
before=$(md5sum <"$data/pg_hba.conf")
out=$(setup 2>&1)
[ $? -ne 0 ] && [[ $out == *--desks* ]] && ok "refused: $out" || fail "went ahead: $out"
out=$(setup --desks 0.0.0.0/0 2>&1)
[ $? -ne 0 ] && ok "every address refused: $out" || fail "0.0.0.0/0 accepted: $out"
expect "pg_hba.conf untouched" "$before" "$(md5sum <"$data/pg_hba.conf")"

echo "== set-up [$SECONDS s]"
out=$(setup --desks 127.0.0.1/32 2>&1) || fail "set-up failed: $out"
expect "settings" "log_connections=on password_encryption=scram-sha-256 ssl=on" \
    "$(admin "SELECT string_agg(name || '=' || setting, ' ' ORDER BY name) FROM pg_settings
              WHERE name IN ('ssl', 'password_encryption', 'log_connections')")"
expect "the program's password is stored as SCRAM" SCRAM-SHA-256 \
    "$(admin "SELECT left(rolpassword, 13) FROM pg_authid WHERE rolname = 'kiro'")"
expect "the lines that can match the program's login, in order" \
    "hostssl $db 127.0.0.1 cert clientcert=verify-full|host all all reject|local all reject|" \
    "$(admin "SELECT string_agg(concat_ws(' ', type, array_to_string(database, ','), address,
                     auth_method, array_to_string(options, ',')), '|' ORDER BY line_number) || '|'
                FROM pg_hba_file_rules WHERE user_name && ARRAY['kiro', 'all']
                 AND line_number <= (SELECT min(line_number) FROM pg_hba_file_rules
                                      WHERE type = 'local' AND user_name = ARRAY['kiro'])")"
expect "the server's key and copies are the server's alone" "" \
    "$(find "$data/mab-tls" \( -type f ! -perm 600 \) -o \( -type d ! -perm 700 \))"
expect "the server holds its key, its certificate, the authority's certificate and the revocation list" \
    "ca.crt crl.pem server.crt server.key server.names" "$(ls "$data/mab-tls" | paste -sd' ')"
expect "the authority is its own folder's, for its owner alone" "700 root" "$(stat -c '%a %U' "$MAB_AUTHORITY_DIR")"
out=$(admin "SELECT pg_read_file('$MAB_AUTHORITY_DIR/ca.key')" 2>&1)
[[ $out == *"ermission denied"* ]] && ok "a database superuser cannot read the authority's key" ||
    fail "pg_read_file read the authority's key: ${out:0:60}"
files=$(server_files)
out=$(setup --desks 127.0.0.1/32 2>&1) || fail "second set-up failed: $out"
expect "run again, it changes nothing" "$files" "$(server_files)"

echo "== a desk [$SECONDS s]"
(cd "$work" && "$root/scripts/use-postgresql.sh" --port "$port" --issue-desk prijem) || fail "issue"
expect "the bundle is its owner's only" 600 "$(stat -c %a "$work/mab-desk-prijem.pem")"
out=$("$root/scripts/use-postgresql.sh" --port "$port" --issue-desk prijem --out "$work/again.pem" 2>&1)
[ $? -ne 0 ] && ok "a second certificate for the same desk is refused" || fail "issued twice: $out"
out=$(desk prijem "$root/scripts/use-postgresql.sh" --host localhost --port "$port" --database $db \
    --certificate "$work/mab-desk-prijem.pem" 2>&1) || fail "desk set-up: $out"
expect "installed where libpq finds it, for the desk's user only" "700 600 600 600" "$(cd "$work/desk-prijem/.postgresql" &&
    stat -c %a . postgresql.crt postgresql.key root.crt | paste -sd' ')"
grep -qx 'SSLmode=verify-full' "$work/desk-prijem/odbc/odbc.ini" && ok "MabZet checks the server fully" ||
    fail "MabZet: $(cat "$work/desk-prijem/odbc/odbc.ini")"
expect "the desk connects" connected "$(probe prijem)"

echo "== an authority kept by an older set-up moves out of the server's folder [$SECONDS s]"
# As an older set-up left it: key and all in the server's folder, owned by the server's account.
old_ca=$data/mab-tls/authority
mkdir "$old_ca" && cp -a "$MAB_AUTHORITY_DIR/." "$old_ca/" && rm -rf "$MAB_AUTHORITY_DIR" "$data/mab-tls/ca.crt"
sed -i "s|^dir = .*|dir = $old_ca|" "$old_ca/openssl.cnf" && chown -R --reference="$data" "$old_ca"
admin "ALTER SYSTEM SET ssl_ca_file = '$old_ca/ca.crt'" && admin "SELECT pg_reload_conf()" >/dev/null
out=$(setup --desks 127.0.0.1/32 2>&1) || fail "set-up: $out"
expect "the old folder is gone, the key is in the authority's own" "no yes" \
    "$([ -e "$old_ca" ] && echo yes || echo no) $([ -f "$MAB_AUTHORITY_DIR/ca.key" ] && echo yes || echo no)"
expect "the desk issued before still connects" connected "$(probe prijem)"
out=$("$root/scripts/use-postgresql.sh" --port "$port" --issue-desk prijem --out "$work/again.pem" 2>&1)
[ $? -ne 0 ] && ok "the moved authority still knows that desk" || fail "issued again: $out"

echo "== no desk talks to a server elsewhere unchecked [$SECONDS s]"
desk_env bare >/dev/null
printf '[MabZet]\nDriver=%s\nServername=127.0.0.2\nPort=%s\nDatabase=%s\n' \
    "$(. "$root/scripts/common.sh" && odbc_driver_path psqlodbcw.so)" "$port" $db >"$work/desk-bare/odbc/odbc.ini"
source_before=$(md5sum <"$work/desk-bare/odbc/odbc.ini")
while IFS='|' read -r what command; do
    out=$(desk bare $command 2>&1)
    [ $? -ne 0 ] && [[ $out == *"--issue-desk"*"othing changed"* ]] && ok "$what: refused" || fail "$what: $out"
done <<ROWS
a desk set up without its certificate|$root/scripts/use-postgresql.sh --host 127.0.0.2 --port $port --database $db
the upgrade, MabZet without SSLmode=verify-full|$root/scripts/upgrade-database.sh
a backup of that database|$root/scripts/backup.sh --dir $work/desk-bare/copies
ROWS
expect "that desk's MabZet is as it was, no copy" "$source_before no" \
    "$(md5sum <"$work/desk-bare/odbc/odbc.ini") $([ -e "$work/desk-bare/copies" ] && echo yes || echo no)"

echo "== attacks with the program's login and password [$SECONDS s]"
refused "no certificate" "requires a valid client certificate" \
    "$(probe prijem -- PGSSLCERT="$work/none.crt" PGSSLKEY="$work/none.key")"
refused "no TLS" "no encryption" "$(probe prijem SSLmode=disable)"
expect "a wrong password: the certificate decides" connected "$(PASSWORD=qdxx probe prijem)"
# Another authority's certificate with the same names as a desk's.
openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 30 \
    -subj /CN=other -keyout "$work/other-ca.key" -out "$work/other-ca.crt" 2>/dev/null
openssl req -new -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -subj /O=MAB/OU=prijem/CN=kiro \
    -keyout "$work/other.key" 2>/dev/null | openssl x509 -req -CA "$work/other-ca.crt" \
    -CAkey "$work/other-ca.key" -CAcreateserial -days 30 -out "$work/other.crt" 2>/dev/null
refused "a certificate of another authority" "SSL error" \
    "$(probe prijem -- PGSSLCERT="$work/other.crt" PGSSLKEY="$work/other.key")"
refused "a server name its certificate does not carry" "does not match host name" \
    "$(probe prijem Servername=127.0.0.1)"
refused "a server the desk's authority did not sign (an impostor)" "certificate verify failed" \
    "$(probe prijem -- PGSSLROOTCERT="$work/other-ca.crt")"
out=$(setup --desks 127.0.0.2/32 2>&1) || fail "set-up for another network: $out"
refused "from outside the desks' network" "rejects connection for host" "$(probe prijem)"
out=$(setup --desks 127.0.0.1/32 2>&1) || fail "set-up back: $out"
expect "back in the desks' network" connected "$(probe prijem)"

echo "== a desk taken back [$SECONDS s]"
(cd "$work" && "$root/scripts/use-postgresql.sh" --port "$port" --issue-desk lab >/dev/null) || fail "issue lab"
desk lab "$root/scripts/use-postgresql.sh" --host localhost --port "$port" --database $db \
    --certificate "$work/mab-desk-lab.pem" >/dev/null 2>&1 || fail "lab's set-up"
expect "the lab desk connects" connected "$(probe lab)"
env $(desk_env lab) PGPASSWORD=qdxw PGSSLMODE=verify-full psql -X -h localhost -p "$port" -U kiro -d $db \
    -c 'SELECT pg_sleep(60)' >/dev/null 2>&1 &
held_pid=$!
for _ in $(seq 50); do
    [ "$(admin "SELECT count(*) FROM pg_stat_activity WHERE query LIKE '%pg_sleep(60)%' AND usename = 'kiro'")" = 1 ] && break
    sleep 0.1
done
"$root/scripts/use-postgresql.sh" --port "$port" --revoke-desk lab || fail "revoke"
refused "the revoked desk" "certificate revoked" "$(probe lab)"
timeout 5 tail --pid="$held_pid" -f /dev/null && ok "its open session ended at once" ||
    fail "the revoked desk's session still runs"
held_pid=''
expect "the other desk still connects" connected "$(probe prijem)"

echo "== a desk's ALTER ROLE on the program's login leaves the other desks be [$SECONDS s]"
(cd "$work" && "$root/scripts/use-postgresql.sh" --port "$port" --issue-desk kasa >/dev/null) || fail "issue kasa"
desk kasa "$root/scripts/use-postgresql.sh" --host localhost --port "$port" --database $db \
    --certificate "$work/mab-desk-kasa.pem" >/dev/null 2>&1 || fail "kasa's set-up"
writes() { # NAME KEY: a new entry through that desk's MabZet; "wrote", or the driver's message
    local out
    out=$(desk "$1" isql -b -v MabZet kiro qdxw <<<"INSERT INTO adresar (rbr, ime, prezime) VALUES ($2, 'Drugi', 'Pult')" 2>&1)
    [[ $out == *"SQLRowCount returns 1"* ]] && echo wrote ||
        grep -m1 -o 'FATAL: .*\|ERROR: .*\|could not .*' <<<"$out" || echo "$out"
}
# The desk that stores the settings keeps its own session usable, whatever it stored before.
own='-c default_transaction_read_only=off -c statement_timeout=0 -c local_preload_libraries='
key=100
while IFS='|' read -r what statement; do
    out=$(desk kasa env PGPASSWORD=qdxw PGSSLMODE=verify-full PGOPTIONS="$own" psql -X -q -h localhost \
        -p "$port" -U kiro -d $db -c "$statement" 2>&1) || fail "$what: the desk could not store it: $out"
    key=$((key + 1))
    expect "$what: the other desk connects and writes" wrote "$(writes prijem $key)"
done <<ROWS
a new password|ALTER ROLE kiro PASSWORD 'zakljucano'
read-only for every session|ALTER ROLE kiro SET default_transaction_read_only = on
a search path without the tables|ALTER ROLE kiro SET search_path = nowhere
the same, in this database only|ALTER ROLE kiro IN DATABASE $db SET search_path = nowhere
every statement cut off at once|ALTER ROLE kiro SET statement_timeout = 1
a library that is not there, refusing every login|ALTER ROLE kiro SET local_preload_libraries = 'nema'
little memory for sorting|ALTER ROLE kiro SET work_mem = '64kB'
every statement compiled first|ALTER ROLE kiro SET jit_above_cost = 0
ROWS
slow="SELECT current_setting('work_mem') || ' ' || current_setting('jit_above_cost')"
expect "the other desk's session has the server's own memory and compile limits" "$(admin "$slow")" \
    "$(desk prijem isql -b -d'|' -x0x09 MabZet kiro qdxw <<<"$slow" 2>&1 | grep -v '^SQL' | head -n 1)"

echo "== the real program on the desk [$SECONDS s]"
admin "ALTER SYSTEM SET log_statement = 'all'" && admin "SELECT pg_reload_conf()" >/dev/null
psql -X -q -h "$pg" -p "$port" -U postgres -d $db \
    -c "INSERT INTO adresar (rbr, ime, prezime, status, pol) VALUES (1, 'Ana', 'Anić', 1, 1)" || fail "test entry"
env $(desk_env prijem) QT_QPA_PLATFORM=offscreen "$mab" >"$work/mab.log" 2>&1 &
mab_pid=$!
session=''
for _ in $(seq 100); do
    session=$(admin "SELECT a.pid FROM pg_stat_activity a JOIN pg_stat_ssl s USING (pid)
                      WHERE a.usename = 'kiro' AND s.ssl AND s.client_dn LIKE '%OU=prijem%'
                        AND a.application_name = 'mab-desk-prijem'")
    [ -n "$session" ] && grep -q "\[$session\] LOG: .*FROM adresar" "$pg/server.log" && break
    sleep 0.1
done
[ -n "$session" ] && ok "MAB is connected with the desk's certificate (session $session)" ||
    fail "MAB did not connect: $(cat "$work/mab.log")"
grep -q "\[$session\] LOG: .*FROM adresar" "$pg/server.log" && ok "MAB listed the address book" ||
    fail "MAB read no address book"
grep -q "\[$session\] LOG:  connection authorized: user=kiro database=$db application_name=mab-desk-prijem SSL enabled" \
    "$pg/server.log" && ok "the server's log names the desk" || fail "the log does not name the desk"
kill "$mab_pid" && wait "$mab_pid" 2>/dev/null
mab_pid=''
out=$(desk prijem env QT_QPA_PLATFORM=offscreen "$desk_check" 2>&1) && ok "the address book lists and saves on the desk" ||
    fail "the address book on the desk: $out"
expect "the entry is in the server's database" "Dara Deskić" "$(psql -X -tA -h "$pg" -p "$port" -U postgres -d $db \
    -c "SELECT ime || ' ' || prezime FROM adresar WHERE prezime = 'Deskić'")"

echo "== the next set-up takes back what a desk stored on the program's login [$SECONDS s]"
out=$(setup --desks 127.0.0.1/32 2>&1) || fail "set-up: $out"
expect "no setting left on the program's login" 0 \
    "$(admin "SELECT count(*) FROM pg_db_role_setting WHERE setrole = 'kiro'::regrole")"

echo "== root on the server restores a desk's copy as the tables' owner, not as a superuser [$SECONDS s]"
out=$(desk prijem "$root/scripts/backup.sh" --dir "$work/copies" 2>&1) || fail "the desk's backup: $out"
out=$(desk prijem env PGHOST="$pg" "$root/scripts/restore.sh" "$(ls "$work"/copies/mab-*.dump)" 2>&1)
[ $? -eq 0 ] && [[ $out == *"as role mab_owner"* ]] && ok "restored as mab_owner" || fail "restore: $out"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
