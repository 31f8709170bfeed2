# The daily backup as a systemd user timer. Sourced by backup.sh after lib-backup.sh.
# shellcheck shell=bash

MAB_TIMER_UNIT_DIR=${XDG_CONFIG_HOME:-$HOME/.config}/systemd/user

# A user session's systemd answers here; containers and CI have none.
user_systemd_available() {
    command -v systemctl >/dev/null 2>&1 && systemctl --user show-environment >/dev/null 2>&1
}

# A word for a unit file: quoted, with systemd's specifier sign doubled.
unit_word() {
    printf '"%s"' "${1//%/%%}"
}

# Writes standard input to the unit file $1 through a new file (0600) moved into place: a unit that
# others could write before is replaced, never written through.
write_unit() {
    local tmp
    tmp=$(mktemp "$MAB_TIMER_UNIT_DIR/.mab-unit.XXXXXX")
    cat >"$tmp" && mv -f "$tmp" "$MAB_TIMER_UNIT_DIR/$1"
}

# Writes the service and the timer (again, so --dir and --keep can be changed) and starts it.
# Returns 2 when there is no systemd user session.
install_backup_timer() {
    if ! user_systemd_available; then
        say "no systemd user session here, so no daily backup was set up;" \
            "README.md (\"Backups\") shows a cron line that does the same"
        return 2
    fi
    local script path env=''
    script=$(realpath "$MAB_ROOT/scripts/backup.sh")
    for path in "$script" "$MAB_BACKUP_DIR" "${ODBCINI:-}" "${ODBCSYSINI:-}"; do
        [[ $path == *[\"\\]* ]] && die "a unit file cannot name a path with \" or \\ in it: $path"
    done
    # A private ODBC set-up in force now must also be the timer's, or it backs up another MabZet.
    [ -n "${ODBCINI:-}" ] && env+="Environment=$(unit_word "ODBCINI=$ODBCINI")"$'\n'
    [ -n "${ODBCSYSINI:-}" ] && env+="Environment=$(unit_word "ODBCSYSINI=$ODBCSYSINI")"$'\n'
    # A command in these units runs daily as this user: nobody else may write the folder (nor,
    # from an earlier set-up under umask 000, its parent) or the files.
    mkdir -p "$MAB_TIMER_UNIT_DIR"
    chmod go-w "$(dirname "$MAB_TIMER_UNIT_DIR")" && chmod go-rwx "$MAB_TIMER_UNIT_DIR" ||
        die "cannot keep others from writing $MAB_TIMER_UNIT_DIR"
    write_unit mab-backup.service <<UNIT
[Unit]
Description=MAB: copy of the database

[Service]
Type=oneshot
${env}ExecStart=$(unit_word "$script") --dir $(unit_word "$MAB_BACKUP_DIR") --keep $MAB_BACKUP_KEEP
UNIT
    # Persistent: a day whose time passed while the computer was off gets its copy at the next
    # start.
    write_unit mab-backup.timer <<UNIT
[Unit]
Description=MAB: daily copy of the database

[Timer]
OnCalendar=daily
Persistent=true
RandomizedDelaySec=10min

[Install]
WantedBy=timers.target
UNIT
    systemctl --user daemon-reload &&
        systemctl --user enable --now mab-backup.timer >/dev/null 2>&1 ||
        die "systemd did not accept the timer (units in $MAB_TIMER_UNIT_DIR)"
    say "daily backup set up (systemd user timer mab-backup.timer): copies go to" \
        "$MAB_BACKUP_DIR, the newest $MAB_BACKUP_KEEP are kept;" \
        "remove it with scripts/backup.sh --remove-timer"
}

remove_backup_timer() {
    local unit found=no
    if user_systemd_available; then
        systemctl --user disable --now mab-backup.timer >/dev/null 2>&1 || true
    fi
    for unit in mab-backup.timer mab-backup.service; do
        [ -f "$MAB_TIMER_UNIT_DIR/$unit" ] && { rm -f "$MAB_TIMER_UNIT_DIR/$unit"; found=yes; }
    done
    user_systemd_available && systemctl --user daemon-reload || true
    if [ $found = yes ]; then
        say "daily backup removed (the copies already taken stay in their folder)"
    else
        say "no daily backup timer was set up"
    fi
}
