# Shared by the set-up scripts: where things are and how to get the machine's packages.
# shellcheck shell=bash

MAB_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MAB_BUILD_DIR=${MAB_BUILD_DIR:-$MAB_ROOT/build/app}
MAB_DATA_DIR=${XDG_DATA_HOME:-$HOME/.local/share}/mab

# The program's fixed database login, user and password (app/mab_oru.h holds the same pair, and
# db/postgresql/roles.sql and privileges.sql name the role).
MAB_LOGIN=(kiro qdxw)

# What building and running needs; the tests add a PostgreSQL server of their own and openssl.
MAB_RUN_PACKAGES=(cmake g++ make qt6-base-dev libqt6sql6-odbc unixodbc unixodbc-dev odbcinst
    libsqliteodbc odbc-postgresql sqlite3 fonts-liberation)
MAB_TEST_PACKAGES=(postgresql postgresql-client openssl)

say() { printf 'mab: %s\n' "$*"; }
die() { printf 'mab: %s\n' "$*" >&2; exit 1; }

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
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
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
