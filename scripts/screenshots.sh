#!/usr/bin/env bash
# Makes the pictures of docs/images again: builds the screenshot tool, starts the program under
# Xvfb on a throwaway database with the invented sample people, and saves each of the five pages,
# the hematology order window, an order kept with its results window and the first page of its
# printed report, and the two small windows. Run it after any change of the screens.
#   scripts/screenshots.sh [FOLDER]      (default: docs/images)
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

folder=$(realpath -m "${1:-$MAB_ROOT/docs/images}")
install_packages "${MAB_RUN_PACKAGES[@]}" xvfb xauth poppler-utils
MAB_BUILD_DIR=${MAB_SCREENSHOT_BUILD_DIR:-$MAB_ROOT/build/screenshots}
say "building the screenshot tool"
cmake -S "$MAB_ROOT" -B "$MAB_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAB_BUILD_BENCH=OFF >/dev/null
cmake --build "$MAB_BUILD_DIR" -j"$(nproc)" --target mab_screenshot >/dev/null

# A desk-sized screen with 24-bit colour (xvfb-run's default is 640x480 in 8 bits), and no
# platform setting of the caller's, so that the pictures show a real X window's fonts.
say "taking the pictures into $folder"
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1280x1024x24" "$MAB_BUILD_DIR/tests/mab_screenshot" "$folder"
