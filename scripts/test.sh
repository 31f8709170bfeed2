#!/usr/bin/env bash
# Installs what is missing, builds with the tests, and runs the whole suite: every test on a
# throwaway embedded database, and the database tests once more on a private PostgreSQL server.
# Never uses the user's own MabZet. Extra arguments go to ctest (for example -R addressbook).
#   scripts/test.sh [CTEST ARGUMENTS]
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

install_packages "${MAB_RUN_PACKAGES[@]}" "${MAB_TEST_PACKAGES[@]}"
MAB_BUILD_DIR=${MAB_TEST_BUILD_DIR:-$MAB_ROOT/build/test}

pg_dir=$(mktemp -d /tmp/mab-pg-test.XXXXXX)
pg_port=${MAB_TEST_PG_PORT:-$((55000 + RANDOM % 1000))}
cleanup() { "$MAB_ROOT/scripts/pg-test-server.sh" stop "$pg_dir"; }
trap cleanup EXIT
say "starting a private PostgreSQL server on port $pg_port"
"$MAB_ROOT/scripts/pg-test-server.sh" start "$pg_dir" "$pg_port"

say "building"
MAB_TEST_PG_PORT=$pg_port build_program Debug -DMAB_TEST_PG_PORT="$pg_port"

say "testing"
cd "$MAB_BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
