#!/usr/bin/env bash
# Installs what is missing, builds, sets up the embedded database on first use and starts MAB.
# Safe to run again: nothing that exists is redone or overwritten.
#   scripts/run.sh [ARGUMENTS FOR MAB]
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

install_packages "${MAB_RUN_PACKAGES[@]}"
say "building"
build_program RelWithDebInfo -DMAB_BUILD_TESTS=OFF -DMAB_BUILD_BENCH=OFF
first_setup=no
data_source_exists MabZet || first_setup=yes
"$MAB_ROOT/scripts/create-embedded-database.sh"
# An older database is brought to this build's schema version (after a copy); when that cannot be
# done here, MAB starts all the same and says what to run.
"$MAB_ROOT/scripts/upgrade-database.sh" || say "the database was not upgraded (see above)"
"$MAB_ROOT/scripts/keep-private.sh"
# A new address book is copied daily from its first day; without systemd this only says so.
[ $first_setup = no ] || "$MAB_ROOT/scripts/backup.sh" --install-timer || true
say "starting"
exec "$MAB_BUILD_DIR/mab" "$@"
