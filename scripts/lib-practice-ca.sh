# The practice's own small certificate authority: it signs the server's certificate and one
# certificate per desk, and keeps the list of desks taken back. Its folder is root's alone (0700,
# /var/lib/mab/authority), outside the database server's account: whoever holds its key can make
# desk certificates, and a database superuser can read every file the server's account can. The
# server gets copies of the authority's certificate and revocation list only. Sourced by
# use-postgresql.sh; every function runs as root (AUTH_RUN, see lib-server-access.sh) with umask
# 077.
# shellcheck shell=bash

# A desk's certificate names the program's login, because PostgreSQL checks a certificate's
# common name against the login (clientcert=verify-full); the desk's own name is its unit.
desk_subject() { echo "/O=MAB/OU=$1/CN=${MAB_LOGIN[0]}"; }

# openssl as root; the configuration reads the server's names from the environment.
ca_openssl() {
    $AUTH_RUN env "MAB_SERVER_NAMES=${MAB_SERVER_NAMES:-DNS:localhost}" openssl "$@"
}

ca_config() {
    cat <<CNF
[ req ]
distinguished_name = dn
[ dn ]
[ ca ]
default_ca = practice
[ practice ]
dir = $1
database = \$dir/index.txt
new_certs_dir = \$dir/issued
certificate = \$dir/ca.crt
private_key = \$dir/ca.key
serial = \$dir/serial
crlnumber = \$dir/crlnumber
default_md = sha256
default_days = 3650
# A list of revoked desks that has run out would shut every desk out: it lasts as long as they do.
default_crl_days = 3650
policy = names
unique_subject = no
[ names ]
organizationName = optional
organizationalUnitName = optional
commonName = supplied
[ desk ]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = clientAuth
[ server ]
basicConstraints = critical, CA:false
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = serverAuth
subjectAltName = \$ENV::MAB_SERVER_NAMES
CNF
}

# Creates the authority in folder $1 unless it exists.
ca_create() {
    local dir=$1
    $AUTH_RUN test -f "$dir/ca.crt" && return 0
    $AUTH_RUN mkdir -p "$dir/issued"
    ca_config "$dir" | $AUTH_RUN tee "$dir/openssl.cnf" >/dev/null
    $AUTH_RUN touch "$dir/index.txt"
    echo 1000 | $AUTH_RUN tee "$dir/serial" "$dir/crlnumber" >/dev/null
    ca_openssl req -x509 -new -nodes -config "$dir/openssl.cnf" -days 7300 \
        -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -keyout "$dir/ca.key" -out "$dir/ca.crt" \
        -subj "/O=MAB/CN=MAB practice authority $(hostname) $(date +%Y-%m-%d)" \
        -addext 'basicConstraints=critical,CA:true,pathlen:0' \
        -addext 'keyUsage=critical,keyCertSign,cRLSign' 2>/dev/null ||
        die "could not create the practice's certificate authority in $dir"
    say "created the practice's certificate authority in $dir"
}

# Signs a new key for SUBJECT with EXTENSIONS; writes KEY and CERTIFICATE.
ca_sign() {
    local dir=$1 subject=$2 extensions=$3 key=$4 cert=$5
    ca_openssl req -new -nodes -config "$dir/openssl.cnf" -subj "$subject" \
        -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -keyout "$key" -out "$cert.csr" 2>/dev/null &&
        ca_openssl ca -batch -notext -config "$dir/openssl.cnf" -extensions "$extensions" \
            -subj "$subject" -in "$cert.csr" -out "$cert" 2>/dev/null
    local status=$?
    $AUTH_RUN rm -f "$cert.csr"
    return $status
}

# Serial numbers (hex) of the certificates of SUBJECT that are valid, from the authority's index;
# they name files and go into arithmetic, so anything but hex digits is refused.
ca_valid_serials() {
    $AUTH_RUN awk -F'\t' -v subject="$2" '$1 == "V" && $6 == subject { print $4 }' "$1/index.txt" |
        while read -r serial; do
            [[ $serial =~ ^[0-9A-F]{1,15}$ ]] || die "the authority's index.txt holds a serial '$serial' that is not one"
            echo "$serial"
        done
}

# Writes the revocation list the server reads.
ca_write_crl() {
    ca_openssl ca -gencrl -config "$1/openssl.cnf" -out "$2" 2>/dev/null ||
        die "could not write the revocation list $2"
}
