#!/usr/bin/env bash
# Makes this user's MAB files private (see lib-private.sh): run.sh and the launcher call it on
# every start, so an installation made before files were kept private is put right too.
#   scripts/keep-private.sh
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"
. "$(dirname "$0")/lib-backup.sh"
. "$(dirname "$0")/lib-private.sh"
protect_installation
