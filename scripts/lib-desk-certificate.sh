# A desk's side of the server's access rule: the bundle that --issue-desk wrote is installed where
# libpq looks for it (~/.postgresql, readable by this user only), and the desk's name is read from
# its certificate. Sourced by use-postgresql.sh.
# shellcheck shell=bash

# Installs BUNDLE; sets DESK_NAME. Files that were there before are kept beside as *.before-mab.
install_desk_certificate() {
    local bundle=$1 parts target dir=$HOME/.postgresql i
    [ -f "$bundle" ] && [ -r "$bundle" ] || die "cannot read the desk's certificate $bundle"
    parts=$(mktemp -d)
    # The bundle holds three blocks: the desk's certificate, its key, the authority's certificate.
    awk -v dir="$parts" '/^-----BEGIN / { n++; file = dir "/" n } file { print > file }
        /^-----END / { file = "" }' "$bundle"
    grep -qs 'BEGIN CERTIFICATE' "$parts/1" && grep -qs 'PRIVATE KEY' "$parts/2" &&
        grep -qs 'BEGIN CERTIFICATE' "$parts/3" && [ ! -e "$parts/4" ] ||
        { rm -rf "$parts"; die "$bundle is not a desk certificate written by --issue-desk"; }
    if ! openssl verify -CAfile "$parts/3" -purpose sslclient "$parts/1" >/dev/null 2>&1 ||
        [ "$(openssl x509 -in "$parts/1" -noout -pubkey)" != "$(openssl pkey -in "$parts/2" -pubout)" ]; then
        rm -rf "$parts"
        die "$bundle does not hold a matching certificate and key of the practice's authority"
    fi
    DESK_NAME=$(openssl x509 -in "$parts/1" -noout -subject -nameopt RFC2253 |
        sed -n 's/.*OU=\([^,]*\).*/\1/p')
    # The name goes into MabZet's settings: only a name as --issue-desk gives one.
    [[ $DESK_NAME =~ ^[a-z0-9][a-z0-9-]{0,39}$ ]] ||
        { rm -rf "$parts"; die "$bundle names no desk as --issue-desk writes one"; }
    mkdir -p "$dir"
    chmod go-rwx "$dir"
    i=0
    for target in postgresql.crt postgresql.key root.crt; do
        i=$((i + 1))
        if [ -f "$dir/$target" ] && ! cmp -s "$parts/$i" "$dir/$target"; then
            mv "$dir/$target" "$dir/$target.before-mab"
            say "the earlier $dir/$target is kept as $target.before-mab"
        fi
        install -m 600 "$parts/$i" "$dir/$target"
    done
    rm -rf "$parts"
    say "installed the certificate of desk ${DESK_NAME:-?} in $dir"
}

# MabZet's lines for a desk: the program's session settings pinned (MAB_SESSION_OPTIONS), every
# other setting stored on the login (which a desk may do, and the set-up undoes) put back to the
# server's built-in value as the driver connects, so that none slows a desk down; and with a
# certificate, the server's certificate and name checked and the desk's name sent with each
# connection into the server's log.
desk_data_source_settings() {
    local name=''
    if [ -n "${DESK_NAME:-}" ]; then
        echo "SSLmode=verify-full"
        name="application_name=mab-desk-$DESK_NAME "
    fi
    echo "pqopt=${name}options='$MAB_SESSION_OPTIONS'"
    echo "ConnSettings=SELECT count(set_config(name, boot_val, false)) FROM pg_settings" \
        "WHERE source IN ('user', 'database user') AND context = 'user' AND boot_val IS NOT NULL"
}
