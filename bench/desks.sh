#!/usr/bin/env bash
# Builds in Release and runs bench_desks: a practice's busy hour on a private PostgreSQL server
# (loopback only, writes made durable as on a practice's server, pg_stat_statements and
# auto_explain loaded): 1 and 20 desks at a front desk's pace, then 1, 5 and 20 desks back to back,
# over 32,767 entries, 100,000 visits, 50,000 bookings and 10,000 orders. Prints the load average
# before and after, one table of figures, then where the server's time went: its statements by
# total execution time (pg_stat_statements) and the SELECT behind each cursor (the plan log).
#     bench/desks.sh [OPEN_SECONDS [CLOSED_SECONDS [ONE_DESK_GAP_SECONDS]]]   (defaults 90 30 0.25)
# MAB_BENCH_BUILD_DIR: where to build (default build/bench); MAB_BENCH_PG_PORT: the server's port
# (default a random one from 56000).
set -euo pipefail
. "$(dirname "$0")/../scripts/common.sh"
offer_help "$@"

install_packages "${MAB_RUN_PACKAGES[@]}" "${MAB_TEST_PACKAGES[@]}"
MAB_BUILD_DIR=${MAB_BENCH_BUILD_DIR:-$MAB_ROOT/build/bench}

say "building in Release in $MAB_BUILD_DIR"
cmake -S "$MAB_ROOT" -B "$MAB_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$MAB_BUILD_DIR" -j"$(nproc)" --target bench_desks >/dev/null

results=$(mktemp)
pg_dir=$(mktemp -d /tmp/mab-pg-desks.XXXXXX)
pg_port=${MAB_BENCH_PG_PORT:-$((56000 + RANDOM % 1000))}
cleanup() {
    "$MAB_ROOT/scripts/pg-test-server.sh" stop "$pg_dir"
    rm -f "$results"
}
trap cleanup EXIT

say "starting a private PostgreSQL server (port $pg_port)"
MAB_PG_SERVER_OPTIONS="-c fsync=on -c shared_preload_libraries=pg_stat_statements,auto_explain" \
    "$MAB_ROOT/scripts/pg-test-server.sh" start "$pg_dir" "$pg_port"
say "load before: $(uptime)"
MAB_TEST_ENGINE=postgresql MAB_TEST_PG_PORT=$pg_port MAB_BENCH_SERVER_LOG=$pg_dir/server.log \
    "$MAB_BUILD_DIR/bench/bench_desks" "$@" >"$results"
say "load after: $(uptime)"

echo
echo "| figure | value | floor | ratio | target |"
echo "|---|---|---|---|---|"
grep -Pv '^(statement|plan)\t' "$results" |
    awk -F'\t' '{ printf "| %s | %s | %s | %s | %s |\n", $1, $2, $3, $4, $5 }'
for kind in statement plan; do
    echo
    echo "| $kind: run | calls | total | each | text |"
    echo "|---|---|---|---|---|"
    grep "^$kind"$'\t' "$results" | awk -F'\t' '{ gsub(/\|/, "\\|", $6)
        printf "| %s | %s | %s | %s | `%s` |\n", $2, $3, $4, $5, $6 }'
done
