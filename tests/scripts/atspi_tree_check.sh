#!/usr/bin/env bash
# Starts the program under a private X server and a private session bus with the accessibility
# bus, and reads its tree from outside through AT-SPI (tests/scripts/atspi_tree.py), as a screen
# reader would. Needs Xvfb, at-spi2-core and python3-pyatspi (Debian packages; the system's own
# Python, which holds pyatspi).
#   atspi_tree_check.sh PATH/TO/mab_hold
set -euo pipefail
hold=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
# The server picks a free display and writes its number once it takes connections (-displayfd),
# so neither a display in use nor a slow start can turn the program away; -noreset keeps a client
# that leaves from resetting it under one that is connecting.
ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$ready" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$ready"' EXIT
for _ in $(seq 100); do
    [ -s "$ready" ] && break
    kill -0 $xvfb 2>/dev/null || { echo "Xvfb did not start"; exit 2; }
    sleep 0.1
done
[ -s "$ready" ] || { echo "Xvfb did not take connections"; exit 2; }
export DISPLAY=:$(head -n1 "$ready") QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 1
    coproc HOLD { "$0" 120; }
    read -r line <&"${HOLD[0]}"
    [ "$line" = ready ] || { echo "the program did not start"; exit 2; }
    sleep 1
    status=0
    /usr/bin/python3 "$1/atspi_tree.py" mab || status=$?
    exec {HOLD[1]}>&-
    wait "$HOLD_PID" 2>/dev/null || true
    kill $launcher 2>/dev/null || true
    exit $status
' "$hold" "$here"
