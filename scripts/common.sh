# Shared by the set-up scripts: where things are and how to get the machine's packages.
# shellcheck shell=bash

MAB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MAB_BUILD_DIR=${MAB_BUILD_DIR:-$MAB_ROOT/build/app}
MAB_DATA_DIR=${XDG_DATA_HOME:-$HOME/.local/share}/mab

# The program's fixed database login, user and password (app/mab_oru.h holds the same pair, and
# db/postgresql/roles.sql and privileges.sql name the role).
MAB_LOGIN=(kiro qdxw)

# What building and running needs (qt6-base-dev brings Qt Print Support too); the tests add a
# PostgreSQL server of their own, openssl, and pdftotext (poppler-utils) to read printed PDFs.
MAB_RUN_PACKAGES=(cmake g++ make qt6-base-dev libqt6sql6-odbc unixodbc unixodbc-dev odbcinst
    libsqliteodbc odbc-postgresql sqlite3 fonts-liberation)
MAB_TEST_PACKAGES=(postgresql postgresql-client openssl poppler-utils)

say() { printf 'mab: %s\n' "$*"; }
die() { printf 'mab: %s\n' "$*" >&2; exit 1; }

# --help: the comment block at the top of the calling script, without its first line.
usage() { awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0"; }

# For a script without options of its own: -h or --help first prints the usage and ends it.
offer_help() { case ${1:-} in -h | --help) usage; exit 0 ;; esac; }

# A whole number as a database or a file holds one: digits only, no sign, no leading zero, at most
# nine digits. Every number the scripts read back passes this before arithmetic, an array index or
# a numeric test sees it, because bash evaluates such text as an expression and runs the commands
# of an array index in it.
is_whole_number() { [[ $1 =~ ^(0|[1-9][0-9]{0,8})$ ]]; }

# This machine itself: a loopback name or address, or its own host name.
server_is_here() {
    case $1 in localhost | 127.0.0.1 | ::1 | "$(hostname)") return 0 ;; esac
    return 1
}

# How the scripts' own connections to HOST check the server, given MabZet's SSLmode (may be empty):
# a server on another machine only with its certificate and name checked against the practice's
# authority (verify-full), as the desk's MabZet does. Anything less stops the script, saying how
# the desk gets its certificate; a server here (or its socket folder) keeps MabZet's setting.
pg_sslmode() {
    local host=$1 mode=${2:-}
    if [[ $host == /* ]] || server_is_here "$host"; then
        echo "${mode:-prefer}"
    elif [ "${mode,,}" = verify-full ]; then
        echo verify-full
    else
        die "MabZet names the server $host without checking that it is the practice's own" \
            "(SSLmode=verify-full); a desk talks to a server elsewhere only so. On the server run" \
            "scripts/use-postgresql.sh --issue-desk NAME, then here:" \
            "scripts/use-postgresql.sh --host $host --certificate mab-desk-NAME.pem. Nothing changed."
    fi
}

# Session settings pinned on every connection of the program's login (the scripts' through
# PGOPTIONS, a desk's MabZet through its pqopt line): settings stored on the role, which any desk
# may change with ALTER ROLE kiro SET, would otherwise reach every desk's sessions, and one named
# here wins over them. Read-write, the tables' schema, no time limit and no library to load.
MAB_SESSION_OPTIONS='-c default_transaction_read_only=off -c search_path=public -c statement_timeout=0 -c lock_timeout=0 -c idle_in_transaction_session_timeout=0 -c idle_session_timeout=0 -c local_preload_libraries='

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        die "need root rights to run: $* (install sudo or run as root)"
    fi
}

# Installs the Debian packages that are missing, and only those; apt-get update runs first
# because a fresh machine's package lists may be empty or old.
install_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    # With the machine's usual umask: a script that keeps its own files private must not make
    # what the packages' set-up writes (/etc/odbcinst.ini, the server's files) private too.
    (
        umask 022
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}" >/dev/null
    )
}

# Library path of an ODBC driver, so that data sources name the driver by file and do not depend
# on the machine's odbcinst.ini (whose psqlODBC entry switches a communication log on).
odbc_driver_path() {
    local name=$1 dir
    for dir in /usr/lib/x86_64-linux-gnu/odbc /usr/lib/aarch64-linux-gnu/odbc \
        /usr/lib/"$(uname -m)"-linux-gnu/odbc /usr/lib/odbc /usr/lib64; do
        [ -f "$dir/$name" ] && { echo "$dir/$name"; return 0; }
    done
    return 1
}

build_program() {
    local type=${1:-RelWithDebInfo}
    shift || true
    cmake -S "$MAB_ROOT" -B "$MAB_BUILD_DIR" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$MAB_BUILD_DIR" -j"$(nproc)"
}

# True when a data source of this name exists for the user or the whole machine.
data_source_exists() {
    odbcinst -q -s -n "$1" >/dev/null 2>&1
}

# Registers the user's data source MabZet with the settings read from standard input
# (one key=value a line), through the driver manager so that its own file format is kept.
register_user_data_source() {
    local template
    template=$(mktemp)
    { echo "[MabZet]"; cat; } >"$template"
    odbcinst -i -s -h -f "$template" >/dev/null
    local status=$?
    rm -f "$template"
    return $status
}
