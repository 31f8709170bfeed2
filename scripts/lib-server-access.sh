# Who may reach the MAB database on a server set up by use-postgresql.sh: the program's login only
# over TLS, only from the desks' network, and only with a desk certificate of the practice's own
# authority (lib-practice-ca.sh); every other way in is refused for it. The certificate alone lets
# a desk in: the program's password is the same everywhere, and kiro may change it (ALTER ROLE kiro
# PASSWORD), which must neither let anyone in nor shut every desk out. The tables' owner mab_owner
# logs in only through the local socket as the server's own account (restores).
# Sourced by use-postgresql.sh, which defines psql_admin, role and database.
# shellcheck shell=bash

server_setting() { echo "SHOW $1" | psql_admin postgres -tA; }
sql_text() { printf "'%s'" "${1//\'/\'\'}"; }

# Where the server keeps its configuration, and who owns it: the server's TLS files are written as
# that account (CA_RUN), so that the server can read them; the authority's as root (AUTH_RUN), in a
# folder of root's alone (MAB_AUTHORITY_DIR for the tests' private servers).
locate_server() {
    local config owner
    config=$(server_setting config_file) || die "cannot reach the PostgreSQL server as its superuser"
    HBA_FILE=$(server_setting hba_file)
    IDENT_FILE=$(server_setting ident_file)
    TLS_DIR=$(dirname "$config")/mab-tls
    OLD_CA_DIR=$TLS_DIR/authority
    CA_DIR=${MAB_AUTHORITY_DIR:-/var/lib/mab/authority}
    owner=$(stat -c %U "$(dirname "$config")")
    CA_RUN='' AUTH_RUN=''
    umask 077
    [ "$(id -un)" = "$owner" ] || CA_RUN="as_root runuser -u $owner --"
    [ "$(id -u)" -eq 0 ] || AUTH_RUN=as_root
    $CA_RUN mkdir -p -m 700 "$TLS_DIR"
    $AUTH_RUN mkdir -p -m 700 "$(dirname "$CA_DIR")" "$CA_DIR"
    $AUTH_RUN chmod go-rwx "$CA_DIR"
}

authority_exists() {
    $AUTH_RUN test -f "$CA_DIR/ca.crt" ||
        die "this server has no certificate authority of the practice in $CA_DIR: run" \
            "--setup-local-server (again, for a server set up by an older MAB: it moves the authority there)"
}

# An older set-up kept the authority, its key too, in the server's configuration: it moves to
# root's folder with its index, so that desks' certificates stay valid and can still be taken back.
# The old folder goes once the server reads its files from the new places (drop_old_authority).
move_old_authority() {
    $CA_RUN test -f "$OLD_CA_DIR/ca.key" || return 0
    if ! $AUTH_RUN test -f "$CA_DIR/ca.crt"; then
        $CA_RUN tar -C "$OLD_CA_DIR" -cf - . | $AUTH_RUN tar -C "$CA_DIR" --no-same-owner -xf - ||
            die "could not move the authority from $OLD_CA_DIR to $CA_DIR"
        ca_config "$CA_DIR" | $AUTH_RUN tee "$CA_DIR/openssl.cnf" >/dev/null
        say "moved the practice's certificate authority to $CA_DIR"
    fi
}

drop_old_authority() {
    $CA_RUN test -d "$OLD_CA_DIR" || return 0
    $CA_RUN rm -rf "$OLD_CA_DIR" || die "could not remove the old authority $OLD_CA_DIR"
    say "removed the old authority folder $OLD_CA_DIR, with its key"
}

# Copies a file of the authority's folder to the server's folder, as the server's account.
give_server() { # FROM TO
    $AUTH_RUN cat "$1" | $CA_RUN tee "$2.new" >/dev/null && $CA_RUN mv -f "$2.new" "$2"
}

# The server's certificate names what the desks connect to (--server-name, by default this
# machine's host names); it is made again only when those names change. The server keeps its key,
# its certificate, and copies of the authority's certificate and revocation list.
server_certificate() {
    local names=$1 first work
    ca_create "$CA_DIR"
    if ! $CA_RUN test -f "$TLS_DIR/server.crt" ||
        [ "$($CA_RUN cat "$TLS_DIR/server.names" 2>/dev/null)" != "$names" ]; then
        first=${names%%,*}
        work=$($AUTH_RUN mktemp -d "$CA_DIR/server.XXXXXX")
        MAB_SERVER_NAMES=$names ca_sign "$CA_DIR" "/O=MAB/CN=${first#*:}" server \
            "$work/server.key" "$work/server.crt" &&
            give_server "$work/server.key" "$TLS_DIR/server.key" &&
            give_server "$work/server.crt" "$TLS_DIR/server.crt" ||
            { $AUTH_RUN rm -rf "$work"; die "could not sign the server's certificate"; }
        $AUTH_RUN rm -rf "$work"
        echo "$names" | $CA_RUN tee "$TLS_DIR/server.names" >/dev/null
        say "the server's certificate names ${names//DNS:/}"
    fi
    $AUTH_RUN cmp -s "$CA_DIR/ca.crt" - < <($CA_RUN cat "$TLS_DIR/ca.crt" 2>/dev/null) ||
        give_server "$CA_DIR/ca.crt" "$TLS_DIR/ca.crt"
    $AUTH_RUN test -f "$CA_DIR/crl.pem" || ca_write_crl "$CA_DIR" "$CA_DIR/crl.pem"
    $AUTH_RUN cmp -s "$CA_DIR/crl.pem" - < <($CA_RUN cat "$TLS_DIR/crl.pem" 2>/dev/null) ||
        give_server "$CA_DIR/crl.pem" "$TLS_DIR/crl.pem"
}

server_settings() {
    local listen=$1
    psql_admin postgres <<SQL
ALTER SYSTEM SET ssl = on;
ALTER SYSTEM SET ssl_min_protocol_version = 'TLSv1.2';
ALTER SYSTEM SET ssl_cert_file = $(sql_text "$TLS_DIR/server.crt");
ALTER SYSTEM SET ssl_key_file = $(sql_text "$TLS_DIR/server.key");
ALTER SYSTEM SET ssl_ca_file = $(sql_text "$TLS_DIR/ca.crt");
ALTER SYSTEM SET ssl_crl_file = $(sql_text "$TLS_DIR/crl.pem");
ALTER SYSTEM SET password_encryption = 'scram-sha-256';
ALTER SYSTEM SET log_connections = on;
ALTER SYSTEM SET listen_addresses = $(sql_text "$listen");
-- The program's password again, as SCRAM, whatever a desk made it (desks log in by certificate;
-- the password is what the program sends, and what a tool such as isql is given).
SET password_encryption = 'scram-sha-256';
SELECT format('ALTER ROLE %I PASSWORD %L', $(sql_text "$role"), $(sql_text "${MAB_LOGIN[1]}"))\gexec
SQL
}

# The block of pg_hba.conf for the program's login and the tables' owner; it comes first, because
# the first matching line decides, so that no later line of the file lets them in another way.
hba_block() {
    local cidr
    echo "# BEGIN MAB: scripts/use-postgresql.sh writes this block again; edits inside it are lost."
    echo "# The program's login $role: TLS, from the desks, a desk certificate (cert); else refused."
    for cidr in "${desks[@]}"; do
        printf 'hostssl %s %s %s cert\n' "$database" "$role" "$cidr"
    done
    printf 'host all %s all reject\nlocal all %s reject\n' "$role" "$role"
    echo "# The tables' owner: only the server's own account, through the local socket (restores)."
    printf 'local %s mab_owner peer map=mab-owner\nhost all mab_owner all reject\n' "$database"
    printf 'local all mab_owner reject\n# END MAB\n'
}

# pg_ident.conf's block: the server's account may log in as mab_owner (see hba_block).
ident_block() {
    printf '# BEGIN MAB: scripts/use-postgresql.sh writes this block again.\n'
    printf 'mab-owner %s mab_owner\n# END MAB\n' "$($CA_RUN id -un)"
}

# Writes FILE with BLOCK first, in place of its earlier MAB block, when that changes; a file the
# server cannot read (CHECK, a query listing errors) is put back. Returns 1 when unchanged.
write_block() { # FILE BLOCK CHECK
    local current new errors
    current=$($CA_RUN cat "$1")
    new=$(printf '%s\n' "$2"; awk '/^# BEGIN MAB/ { skip = 1 } !skip { print } /^# END MAB/ { skip = 0 }' <<<"$current")
    [ "$new" = "$current" ] && return 1
    printf '%s\n' "$new" | $CA_RUN tee "$1" >/dev/null
    errors=$(echo "$3" | psql_admin postgres -tA)
    if [ -n "$errors" ]; then
        printf '%s\n' "$current" | $CA_RUN tee "$1" >/dev/null
        die "$1 would not be valid (line $errors); it is left as it was"
    fi
}

write_hba() {
    write_block "$IDENT_FILE" "$(ident_block)" \
        "SELECT line_number || ': ' || error FROM pg_ident_file_mappings WHERE error IS NOT NULL" || true
    write_block "$HBA_FILE" "$(hba_block)" \
        "SELECT line_number || ': ' || error FROM pg_hba_file_rules WHERE error IS NOT NULL" || return 0
    say "pg_hba.conf: the program's login now only from ${desks[*]}, over TLS with a desk certificate"
}

# Makes the server read its files again and waits until new connections see them.
reload_server() {
    local before
    before=$(echo "SELECT pg_conf_load_time()" | psql_admin postgres -tA)
    echo "SELECT pg_reload_conf()" | psql_admin postgres -tA >/dev/null
    for _ in $(seq 200); do
        [ "$(echo "SELECT pg_conf_load_time() > '$before'" | psql_admin postgres -tA)" = t ] && return 0
        sleep 0.05
    done
    die "the server did not read its configuration again"
}

# Settings such as listen_addresses need a restart; a server of the machine gets one.
restart_if_needed() {
    local pending
    pending=$(echo "SELECT string_agg(name, ', ') FROM pg_settings WHERE pending_restart AND name = 'listen_addresses'" |
        psql_admin postgres -tA)
    [ -z "$pending" ] && return 0
    if [ -n "${MAB_PG_SOCKET_DIR:-}" ]; then
        say "restart this server for $pending to take effect"
    else
        say "restarting PostgreSQL for $pending"
        as_root systemctl restart postgresql 2>/dev/null || as_root service postgresql restart >/dev/null
    fi
}

secure_server() {
    local listen=$1 names=$2
    locate_server
    move_old_authority
    server_certificate "$names"
    server_settings "$listen"
    # TLS first: the server checks hostssl lines against its settings in force.
    reload_server
    write_hba
    reload_server
    drop_old_authority
    restart_if_needed
}

# Writes the bundle of a new desk: its certificate and key, and the authority's certificate.
issue_desk() {
    local name=$1 out=$2 subject work serials
    subject=$(desk_subject "$name")
    serials=$(ca_valid_serials "$CA_DIR" "$subject")
    [ -z "$serials" ] ||
        die "desk $name already has a certificate; take it back first (--revoke-desk $name) or choose another name"
    [ ! -e "$out" ] || die "$out exists; name another file with --out FILE"
    work=$($AUTH_RUN mktemp -d "$CA_DIR/desk.XXXXXX")
    ca_sign "$CA_DIR" "$subject" desk "$work/key.pem" "$work/cert.pem" ||
        { $AUTH_RUN rm -rf "$work"; die "could not sign the certificate of desk $name"; }
    # umask 077 (locate_server): the bundle, with the desk's key, is its writer's alone.
    {
        printf '# MAB desk "%s", issued %s. Install it on that desk only:\n' "$name" "$(date +%Y-%m-%d)"
        printf '#   scripts/use-postgresql.sh --host SERVER --certificate THIS-FILE\n'
        $AUTH_RUN cat "$work/cert.pem" "$work/key.pem" "$CA_DIR/ca.crt"
    } >"$out"
    # Run through sudo, the file is for the administrator who asked for it.
    [ -z "${SUDO_UID:-}" ] || chown "$SUDO_UID:${SUDO_GID:-$SUDO_UID}" "$out"
    $AUTH_RUN rm -rf "$work"
    say "wrote $out for desk $name: carry it to that desk, install it there, then delete it"
}

# Takes a desk's certificate back: the server refuses it from its next connection on, and the
# desk's open sessions end now.
revoke_desk() {
    local name=$1 serial serials decimal=()
    serials=$(ca_valid_serials "$CA_DIR" "$(desk_subject "$name")")
    [ -n "$serials" ] || die "desk $name has no valid certificate"
    for serial in $serials; do
        ca_openssl ca -config "$CA_DIR/openssl.cnf" -revoke "$CA_DIR/issued/$serial.pem" 2>/dev/null ||
            die "could not revoke certificate $serial of desk $name"
        decimal+=("$((16#$serial))")
    done
    ca_write_crl "$CA_DIR" "$CA_DIR/crl.pem"
    give_server "$CA_DIR/crl.pem" "$TLS_DIR/crl.pem"
    reload_server
    echo "SELECT count(pg_terminate_backend(pid)) FROM pg_stat_ssl
           WHERE client_serial IN ($(IFS=,; echo "${decimal[*]}"))" | psql_admin postgres -tA >/dev/null
    say "desk $name is refused from now on"
}

check_access_options() {
    local cidr name
    if [ $setup_local = yes ] && [ ${#desks[@]} -eq 0 ]; then
        die "--setup-local-server needs the desks' network, for example --desks 192.168.1.0/24;" \
            "without it the server is not opened to anyone"
    fi
    [ $setup_local = yes ] || [ ${#desks[@]} -eq 0 ] || die "--desks goes with --setup-local-server"
    for cidr in "${desks[@]}"; do
        [[ $cidr =~ ^([0-9]{1,3}\.){3}[0-9]{1,3}/([0-9]|[12][0-9]|3[0-2])$ ||
            $cidr =~ ^[0-9a-fA-F:]*:[0-9a-fA-F:]*/[0-9]{1,3}$ ]] ||
            die "--desks $cidr: give a network as ADDRESS/BITS, for example 192.168.1.0/24"
        [ "${cidr#*/}" != 0 ] || die "--desks $cidr would let in every address; name the desks' network"
    done
    for name in "$issue" "$revoke"; do
        [ -z "$name" ] || [[ $name =~ ^[a-z0-9][a-z0-9-]{0,39}$ ]] ||
            die "a desk's name is lower-case letters, digits and -, such as prijem or lab-2"
    done
}

# The names in the server's certificate: --server-name, or this machine's host names.
server_name_list() {
    local names=("${server_names[@]}") name list=''
    if [ ${#names[@]} -eq 0 ]; then
        names=("$(hostname)")
        [ "$(hostname -f 2>/dev/null || hostname)" = "$(hostname)" ] || names+=("$(hostname -f)")
    fi
    for name in "${names[@]}"; do
        [[ $name =~ ^[0-9.]+$ || $name == *:* ]] && list+=",IP:$name" || list+=",DNS:$name"
    done
    echo "${list#,}"
}

SERVER_NEXT_STEPS="the server is set up. For each desk: scripts/use-postgresql.sh --issue-desk NAME here,
then on that desk scripts/use-postgresql.sh --host SERVER --certificate mab-desk-NAME.pem"
