#!/usr/bin/env bash
# Installs what is missing, builds, sets up the embedded database on first use and starts MAB.
# Safe to run again: nothing that exists is redone or overwritten.
set -euo pipefail
. "$(dirname "$0")/common.sh"

install_packages "${MAB_RUN_PACKAGES[@]}"
say "building"
build_program RelWithDebInfo -DMAB_BUILD_TESTS=OFF -DMAB_BUILD_BENCH=OFF
"$MAB_ROOT/scripts/create-embedded-database.sh"
say "starting"
exec "$MAB_BUILD_DIR/mab" "$@"
