#!/usr/bin/env bash
# Builds in Release and prints one table of the program's figures, each beside the floor it is
# measured against, all measured in this one run on throwaway data sources: the embedded
# database, and a private PostgreSQL server when its programs are installed. Each figure is the
# median of REPEATS runs (default 7). The machine's own MabZet is never touched.
#     bench/run.sh [REPEATS]        (MAB_BENCH_BUILD_DIR: where to build, default build/bench)
set -euo pipefail
. "$(dirname "$0")/../scripts/common.sh"
offer_help "$@"

install_packages "${MAB_RUN_PACKAGES[@]}" "${MAB_TEST_PACKAGES[@]}"
MAB_BUILD_DIR=${MAB_BENCH_BUILD_DIR:-$MAB_ROOT/build/bench}
repeats=${1:-7}

say "building in Release in $MAB_BUILD_DIR"
cmake -S "$MAB_ROOT" -B "$MAB_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$MAB_BUILD_DIR" -j"$(nproc)" \
    --target bench_figures floor_odbc_read floor_first_list floor_bare_window mab_probe >/dev/null

export QT_QPA_PLATFORM=offscreen
results=$(mktemp)
pg_dir=
cleanup() {
    [ -n "$pg_dir" ] && "$MAB_ROOT/scripts/pg-test-server.sh" stop "$pg_dir"
    rm -f "$results"
}
trap cleanup EXIT

say "load before: $(uptime)"
say "measuring on the embedded database (SQLite)"
MAB_TEST_ENGINE=sqlite "$MAB_BUILD_DIR/bench/bench_figures" "$repeats" >>"$results"

if ls /usr/lib/postgresql/*/bin/pg_ctl >/dev/null 2>&1; then
    pg_dir=$(mktemp -d /tmp/mab-pg-bench.XXXXXX)
    pg_port=$((56000 + RANDOM % 1000))
    say "measuring on a private PostgreSQL server (port $pg_port)"
    "$MAB_ROOT/scripts/pg-test-server.sh" start "$pg_dir" "$pg_port"
    MAB_TEST_ENGINE=postgresql MAB_TEST_PG_PORT=$pg_port \
        "$MAB_BUILD_DIR/bench/bench_figures" "$repeats" >>"$results"
else
    say "no PostgreSQL server programs: PostgreSQL figures skipped"
fi
say "load after: $(uptime)"

echo
echo "| figure | median | floor | ratio | target |"
echo "|---|---|---|---|---|"
awk -F'\t' '{ printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }' "$results"
