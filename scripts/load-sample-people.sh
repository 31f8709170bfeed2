#!/usr/bin/env bash
# Loads a few invented address-book entries into whatever database MabZet names, to try the
# program out. Refuses when the address book already has entries, so real data is never mixed in.
#   scripts/load-sample-people.sh
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

data_source_exists MabZet || die "no data source MabZet yet: run scripts/run.sh first"
count=$(echo 'SELECT COUNT(*) FROM adresar' | isql MabZet "${MAB_LOGIN[@]}" -b -d'|' -x0x09 2>&1 | tr -dc '0-9')
[ "$count" = 0 ] || die "the address book is not empty ($count entries); nothing loaded"
grep -v '^--' "$MAB_ROOT/db/sample_people.sql" | isql MabZet "${MAB_LOGIN[@]}" -b >/dev/null
say "sample entries loaded"
