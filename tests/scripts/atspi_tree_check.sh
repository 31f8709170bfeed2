#!/usr/bin/env bash
# Starts the program under a private X server and a private session bus with the accessibility
# bus, and reads its tree from outside through AT-SPI (tests/scripts/atspi_tree.py), as a screen
# reader would. Needs Xvfb, at-spi2-core and python3-pyatspi (Debian packages; the system's own
# Python, which holds pyatspi).
#   atspi_tree_check.sh PATH/TO/mab_hold
set -euo pipefail
hold=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
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
