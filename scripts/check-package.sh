#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no errors allowed), installs it with apt-get
# and starts the installed launcher as a brand-new user under Xvfb: the embedded database must be
# created and registered, and the main window "MAB" must come up without a database error. Removes
# the package again afterwards unless it was installed before. Needs root or sudo for apt-get.
#   scripts/check-package.sh [SCREENSHOT.png]     (the picture needs ImageMagick's import)
set -euo pipefail
. "$(dirname "$0")/common.sh"
offer_help "$@"

screenshot=${1:+$(realpath -m "$1")}
install_packages "${MAB_RUN_PACKAGES[@]}" lintian xvfb xauth x11-utils
build=${MAB_PACKAGE_BUILD_DIR:-$MAB_ROOT/build/package}

say "building the package"
cmake -S "$MAB_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMAB_BUILD_TESTS=OFF \
    -DMAB_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
rm -f "$build"/mab_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/mab_*.deb)
say "built $deb"

say "lintian"
lintian --fail-on error "$deb"

installed_before=no
dpkg-query -W -f='${Status}' mab 2>/dev/null | grep -q 'install ok installed' && installed_before=yes
say "installing the package"
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
work=$(mktemp -d /tmp/mab-package-check.XXXXXX)
cleanup() {
    [ $installed_before = no ] && as_root apt-get remove -y -qq mab >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A new user: an empty home, and an empty machine-wide ODBC folder so that no data source of this
# machine is seen. unixODBC looks for the user's data sources in the account's home from the
# password file, not in $HOME, so ODBCINI names the new user's file. The launcher in the search
# path is the installed one. The script polls the window tree while the program starts, and by
# default the X server resets whenever its last client leaves: a program connecting during such a
# reset is turned away, so the server runs with -noreset.
mkdir -p "$work/home" "$work/odbc-system"
cat >"$work/start.sh" <<'SH'
set -u
mab >"$HOME/mab.log" 2>&1 &
pid=$!
window=
for _ in $(seq 100); do
    tree=$(xwininfo -root -tree 2>/dev/null)
    window=$(grep -E '^ +0x[0-9a-f]+ "MAB"' <<<"$tree" || true)
    [ -n "$window" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
sleep 1 # what a user sees once the window is up, message boxes included
tree=$(xwininfo -root -tree 2>/dev/null)
[ -n "${SCREENSHOT:-}" ] && import -window root "$SCREENSHOT"
kill $pid 2>/dev/null
wait $pid 2>/dev/null
cat "$HOME/mab.log"
[ -n "$window" ] || { echo "no window titled MAB came up"; exit 1; }
if grep -q 'DataBase Error' <<<"$tree"; then
    echo "the program could not read its database:"; grep 'DataBase Error' <<<"$tree"; exit 1
fi
echo "window: $window"
SH
say "starting the installed program as a new user"
env -i PATH=/usr/bin:/bin HOME="$work/home" ODBCINI="$work/home/.odbc.ini" \
    ODBCSYSINI="$work/odbc-system" LANG=C.UTF-8 \
    SCREENSHOT="$screenshot" \
    xvfb-run -a -e "$work/xvfb.log" -s "-screen 0 1280x1024x24 -noreset" bash "$work/start.sh" ||
    { cat "$work/xvfb.log"; exit 1; }

database=$work/home/.local/share/mab/mab.db
[ -s "$database" ] || die "the launcher did not create $database"
grep -q "Database=$database" "$work/home/.odbc.ini" || die "MabZet was not registered for the user"
[ "$(stat -c %a "$database")" = 600 ] || die "the new database $database is readable by others"
statuses=$(sqlite3 "$database" 'SELECT COUNT(*) FROM status')
is_whole_number "$statuses" && [ "$statuses" -gt 0 ] || die "the new database has no status categories ($statuses)"
say "package checked: no lintian error, installed, the launcher set up $database, the window came up"
