#!/usr/bin/env bash
# CPU alarm 1 of Welmor.exe, set up through the context menu the way a user
# does it (switch on, threshold 10 through its input box, interval 10), then
# a processor kept busy past the tenth tick: the alarm's sound starts (Wine
# here has no sound card, so the call has to return without a fuss), and the
# widget keeps running, shows no box and its panels keep updating.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
TAB=$'\t'
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
BUSY_SECONDS=16

e2e_init alarms
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

# registry_dword NAME: a DWORD of the settings key, in decimal.
registry_dword() {
  e2e_reg_values "$SETTINGS_KEY" | awk -F'\t' -v n="$1" '$1 == n { print $3 }'
}

# wait_dword NAME VALUE: the DWORD once it reads VALUE (a save follows the
# command at once, but the command runs in the widget's own time).
wait_dword() {
  local deadline=$((SECONDS + 10)) value
  while :; do
    value=$(registry_dword "$1")
    [ "$value" = "$2" ] || [ "$SECONDS" -ge "$deadline" ] && break
    sleep 0.2
  done
  echo "$value"
}

# answer_input CAPTION TEXT: waits for the input box CAPTION, types TEXT over
# what it offers and presses OK; prints "prompt TEXT" and "shown TEXT" (what
# it offered), split by a tab.
answer_input() {
  local controls
  controls=$(e2e_driver dialog "$W" "$1" 10000) || return 1
  printf 'prompt\t%s\n' "$(awk -F'\t' '$1 == 100 { print $4 }' <<<"$controls")"
  printf 'shown\t%s\n' "$(awk -F'\t' '$1 == 101 { print $4 }' <<<"$controls")"
  e2e_driver dialog-type "$W" "$1" 101 "$2" >/dev/null && e2e_driver msgbox-press "$W" "$1" OK >/dev/null
}

# alarm_item PREFIX: the state and path, without access-key markers, of the
# first "&Alarms" item whose caption starts with PREFIX.
alarm_item() {
  e2e_driver menu "$W" |
    awk -F'\t' -v p="Alarms/$1" '{ path = $5; gsub(/&/, "", path) } index(path, p) == 1 { print $3 "\t" path; exit }'
}

# A key of this very version, so no notice comes up; CPU alarm 1 off.
e2e_prefix alarms-winxp winxp || e2e_finish
e2e_unmanaged_windows
if ! e2e_seed_settings CPUAlarm_1 REG_DWORD 0; then
  e2e_fail "cannot write the settings key"
  e2e_finish
fi

e2e_park_pointer >/dev/null
e2e_start "$E2E_WELMOR"
if ! e2e_driver wait-window "$W" 20000 >/dev/null || ! e2e_first_tick "$W" 15 >/dev/null; then
  e2e_fail "no window with its first tick"
  e2e_finish
fi

# --- set up through the menu ----------------------------------------------------
item=$(alarm_item "CPU Alarm 1")
e2e_expect "switch item while off" "$item" "-${TAB}Alarms/CPU Alarm 1 [ Off ]"
e2e_driver menu-click "$W" "&Alarms/CPU Alarm 1 [ Off ]" >/dev/null || e2e_fail "cannot choose CPU Alarm 1"
e2e_expect "switched on and saved" "$(wait_dword CPUAlarm_1 1)" "1"

e2e_driver menu-click "$W" "&Alarms/CPU Usage >  ( 50% ) ..." >/dev/null || e2e_fail "cannot choose the threshold"
answer=$(answer_input "CPU Usage value for this alarm ..." 10) ||
  e2e_fail "no threshold input box"
e2e_expect "threshold prompt" "$(sed -n "s/^prompt${TAB}//p" <<<"$answer")" "Intert a value, usually bigger then 60%."
e2e_expect "threshold offered" "$(sed -n "s/^shown${TAB}//p" <<<"$answer")" "50"
e2e_expect "threshold saved" "$(wait_dword CPUAlarm_1_Value 10)" "10"

e2e_driver menu-click "$W" "&Alarms/Query Interval  ( 10s ) ..." >/dev/null || e2e_fail "cannot choose the interval"
answer=$(answer_input "CPU Usage query interval for this alarm ..." 10) ||
  e2e_fail "no interval input box"
e2e_expect "interval prompt" "$(sed -n "s/^prompt${TAB}//p" <<<"$answer")" \
  "Intert a value, usually not smaller then 30s."
e2e_expect "interval offered" "$(sed -n "s/^shown${TAB}//p" <<<"$answer")" "10"
e2e_expect "interval saved" "$(wait_dword CPUAlarm_1_Interval 10)" "10"

# --- a busy processor past the firing tick ----------------------------------------
e2e_busy_start $((BUSY_SECONDS + 12))
sleep 1.5 # the first tick after it counts the busy processor for a whole second
# Panel 2 shows the CPU usage, panel 3 the clock, once a second.
clocks=()
low=()
end=$((SECONDS + BUSY_SECONDS))
while [ "$SECONDS" -lt "$end" ]; do
  panels=$(e2e_driver panels "$W" 2>/dev/null | awk -F'\t' '$4 == 0 && $7 == 1' | head -3) || break
  usage=$(sed -n 2p <<<"$panels" | cut -f8 | sed -nE 's/^[0-9]+ CPUs Usage: ([0-9]+)%$/\1/p')
  [ -n "$usage" ] && [ "$usage" -lt 10 ] && low+=("$usage")
  clocks+=("$(sed -n 3p <<<"$panels" | cut -f8)")
  sleep 0.5
done
e2e_busy_stop
distinct=$(printf '%s\n' "${clocks[@]}" | sort -u | wc -l)
if [ "$distinct" -ge $((BUSY_SECONDS - 3)) ]; then
  e2e_pass "the clock panel kept updating ($distinct different times in $BUSY_SECONDS s)"
else
  e2e_fail "the clock panel showed only $distinct different times in $BUSY_SECONDS s: ${clocks[*]}"
fi
e2e_expect "usage stayed at 10 % or more while busy (else no tenth tick)" "${low[*]}" ""
info=$(e2e_driver window-info "$W" 2>/dev/null)
e2e_expect "still running after the alarm" "$(e2e_field "$info" pid | grep -c .)" "1"
e2e_expect "no box beside the widget" "$(e2e_field "$info" visible_windows)" "1"

e2e_driver menu-click "$W" "E&xit" >/dev/null || e2e_fail "cannot choose Exit"
e2e_wait_exit "$E2E_APP_PID" 15
e2e_expect "Exit ends the program" "$?" "0"

e2e_finish
