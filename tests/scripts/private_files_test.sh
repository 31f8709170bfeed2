#!/usr/bin/env bash
# File modes of the embedded database, its WAL and shared-memory files, the backup folder and every
# copy: for a new installation, and for one made before files were kept private (0644 in 0755),
# after run.sh's set-up, the installed launcher, a backup and a restore. run.sh runs for real, with
# stand-ins for cmake and the program, in a private home and ODBC folder.
#   private_files_test.sh
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/mab-private-test.XXXXXX)
trap 'rm -rf "$work"' EXIT
failures=0

ok() { echo "ok    $*"; }
fail() { echo "FAIL  $*"; failures=$((failures + 1)); }
expect() { # what expected actual
    if [ "$2" = "$3" ]; then ok "$1"; else fail "$1: expected [$2], got [$3]"; fi
}
modes() { # "mode name" of each path, the home's prefix left off
    local path
    for path; do
        [ -e "$path" ] && stat -c '%a %n' "$path" || echo "missing $path"
    done | sed "s|$HOME/||" | paste -sd' '
}

# Stand-ins: cmake builds nothing, the program only says it started, no systemd session.
mkdir -p "$work/bin" "$work/build"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/cmake"
printf '#!/bin/sh\n[ "$2" = show-environment ] && exit 1\nexit 0\n' >"$work/bin/systemctl"
printf '#!/bin/sh\necho started\n' >"$work/build/mab"
chmod +x "$work/bin/"* "$work/build/mab"
export PATH=$work/bin:$PATH MAB_BUILD_DIR=$work/build
# The launcher as the package installs it, relative to the source tree.
sed -e "s|@MAB_LAUNCHER_TO_DATA@|$(realpath --relative-to="$work/bin" "$root")|" \
    -e "s|@MAB_LAUNCHER_TO_PROGRAM@|../build/mab|" "$root/packaging/mab-launcher.in" >"$work/bin/mab"
chmod +x "$work/bin/mab"

# A fresh user: own home, own ODBC folder, the usual umask of a desktop session.
new_user() {
    export HOME=$work/$1 XDG_DATA_HOME='' XDG_CONFIG_HOME=$work/$1/.config
    export ODBCSYSINI=$HOME/odbc ODBCINI=$HOME/odbc/odbc.ini
    mkdir -p "$ODBCSYSINI"
    printf '[ODBC]\nTrace=No\n' >"$ODBCSYSINI/odbcinst.ini"
    data=$HOME/.local/share/mab db=$HOME/.local/share/mab/mab.db
    umask 022
}
# An installation as it was made before: everything readable by all, leftover WAL and shared memory,
# a copy kept by an earlier restore, copies in the backup folder, and a file of the user's there.
old_installation() {
    new_user "$1"
    "$root/scripts/create-embedded-database.sh" >/dev/null
    mkdir -p "$data/backups"
    cp "$db" "$data/backups/mab-2024-01-01_080000.db"
    cp "$db" "$db.before-restore-2024-01-01_080000"
    touch "$db-wal" "$db-shm" "$data/backups/notes.txt"
    chmod 755 "$data" "$data/backups"
    chmod 644 "$db" "$db"-* "$db".before-* "$data/backups/"*
}
private_now() { # WHAT
    local m=.local/share/mab
    # The leftover WAL and shared memory may be gone: the schema upgrade opens and closes the
    # database, which checkpoints them away. Where they are left, they are private.
    local leftovers
    leftovers=$(modes "$db-wal" "$db-shm" | sed -E 's/(^| )missing /\1600 /g')
    expect "$1: folders 0700, database and copies 0600, the user's own file as it was" \
        "700 $m 600 $m/mab.db 600 $m/mab.db-wal 600 $m/mab.db-shm 600 $m/mab.db.before-restore-2024-01-01_080000 \
700 $m/backups 600 $m/backups/mab-2024-01-01_080000.db 644 $m/backups/notes.txt" \
        "$(modes "$data" "$db") $leftovers $(modes "$db.before-restore-2024-01-01_080000" "$data/backups" \
            "$data/backups/mab-2024-01-01_080000.db" "$data/backups/notes.txt")"
}

echo "== a new installation by run.sh [$SECONDS s]"
new_user fresh
out=$("$root/scripts/run.sh" 2>&1)
[[ $out == *started ]] && ok "run.sh set up and started the program" || fail "run.sh: $out"
expect "data folder 0700, database 0600" "700 .local/share/mab 600 .local/share/mab/mab.db" \
    "$(modes "$data" "$db")"
sqlite3 "$db" 'PRAGMA journal_mode;' | grep -qx wal || fail "the database is not in WAL mode"

echo "== an installation made before, started by run.sh [$SECONDS s]"
old_installation old-run
out=$("$root/scripts/run.sh" 2>&1) || fail "run.sh: $out"
private_now "after run.sh"

echo "== an installation made before, started by the launcher [$SECONDS s]"
old_installation old-launcher
out=$("$work/bin/mab" 2>&1)
expect "the launcher starts the program" started "$out"
private_now "after the launcher"

echo "== a backup into a folder made before [$SECONDS s]"
old_installation old-backup
copies=$work/old-backup/copies
mkdir -m 755 "$copies"
cp "$db" "$copies/mab-2024-02-02_080000.db"
chmod 644 "$copies/mab-2024-02-02_080000.db"
out=$("$root/scripts/backup.sh" --dir "$copies" 2>&1) || fail "backup: $out"
expect "the folder 0700, the new copy and the old one 0600" "700 600 600" \
    "$(stat -c %a "$copies" "$copies"/mab-2024-02-02_080000.db "$(ls -d "$copies"/mab-2*.db | tail -n 1)" |
        paste -sd' ')"
expect "the database backed up is 0600" 600 "$(stat -c %a "$db")"

echo "== a restore [$SECONDS s]"
old_installation old-restore
rm -f "$db.before-restore-"*
copy=$data/backups/mab-2024-01-01_080000.db
# A copy from before checksums were written: taken after the question.
out=$(echo yes | "$root/scripts/restore.sh" --unchecked "$copy" 2>&1) || fail "restore: $out"
expect "the restored database and the one kept aside" "600 .local/share/mab/mab.db 600 .local/share/mab/mab.db.before-restore" \
    "$(modes "$db" "$db".before-restore-*_?????? | sed 's/-[0-9_-]*$//')"
expect "nothing of the database readable by others" "" "$(find "$data" -maxdepth 1 -name 'mab.db*' ! -perm 600)"
echo "== rights are only taken away: a database made read-only stays so [$SECONDS s]"
new_user read-only
"$root/scripts/create-embedded-database.sh" >/dev/null
chmod 444 "$db"
out=$("$work/bin/mab" 2>&1)
expect "the launcher starts the program" started "${out##*$'\n'}"
expect "the database 0444 became 0400, not writable" "400 .local/share/mab/mab.db" "$(modes "$db")"

echo "== the daily timer's files under umask 000, over those of an earlier set-up [$SECONDS s]"
new_user timer
units=$HOME/.config/systemd/user
mkdir -p "$units" "$work/session"
touch "$units/mab-backup.service"
chmod 777 "$HOME/.config/systemd" "$units" && chmod 666 "$units/mab-backup.service"
printf '#!/bin/sh\nexit 0\n' >"$work/session/systemctl" # a user session that accepts everything
chmod +x "$work/session/systemctl"
out=$(umask 000 && PATH=$work/session:$PATH "$root/scripts/backup.sh" --install-timer 2>&1) || fail "timer: $out"
expect "nobody else may write the folders or the units" \
    "755 .config/systemd 700 .config/systemd/user 600 .config/systemd/user/mab-backup.service 600 .config/systemd/user/mab-backup.timer" \
    "$(modes "$HOME/.config/systemd" "$units" "$units/mab-backup.service" "$units/mab-backup.timer")"
new_user timer-new
out=$(umask 000 && PATH=$work/session:$PATH "$root/scripts/backup.sh" --install-timer 2>&1) || fail "timer: $out"
expect "a new user's: its own alone from the first folder" "700 .config 700 .config/systemd/user 600 .config/systemd/user/mab-backup.timer" \
    "$(modes "$HOME/.config" "$HOME/.config/systemd/user" "$HOME/.config/systemd/user/mab-backup.timer")"

echo "== --help on every script prints its usage, and nothing runs [$SECONDS s]"
for script in "$root"/scripts/*.sh "$root"/bench/run.sh; do
    case $script in */lib-*.sh | */common.sh) continue ;; esac
    name=${script#"$root"/}
    out=$(cd "$work" && timeout 20 bash "$script" --help 2>&1)
    [ $? -eq 0 ] && [[ $out == *"$name"* && $out != *mab:* ]] && ok "$name --help" || fail "$name --help: ${out:0:200}"
done

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
