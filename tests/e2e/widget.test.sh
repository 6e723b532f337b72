#!/usr/bin/env bash
# Welmor.exe as a user meets it, under Wine on a virtual display, on fresh
# Wine prefixes that report Windows XP, 2000, Server 2003 and 7:
#   XP:        the first start's language notice; one borderless topmost
#              window 422 x 17 with a drop shadow and no task-bar button; the
#              three default panels after the first tick; a screenshot; the
#              context menu; a second start ends silently; Alt+F4 is ignored;
#              Exit ends the program with status 0.
#   2000/2003: the window starts, without the drop shadow.
#   7:         the refusal box, then the program ends with status 0.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
TAB=$'\t'
LANGUAGE_NOTICE='If system language is not English, some dispay bugs (missing text) will be around.'
REFUSAL='Welmor v3.9 works only on Win 2k / XP / 2K3 systems!'
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
DROP_SHADOW=$((0x20000))

e2e_init widget
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

box_text() { sed -n "s/^text${TAB}//p" <<<"$1"; }
box_buttons() { sed -n "s/^button${TAB}//p" <<<"$1" | tr '\n' ' '; }

# registry_dword NAME: a DWORD of the settings key, in decimal.
registry_dword() {
  local hex
  hex=$(wine reg query "$SETTINGS_KEY" /v "$1" 2>/dev/null | awk -v n="$1" '$1 == n { print $3 }' | tr -d '\r')
  [ -n "$hex" ] && echo $((hex))
}

# The main window's facts as window-info printed them once it was laid out.
WINDOW_INFO=

# first_start VERSION: a fresh prefix reporting VERSION, Welmor started in
# it, the language notice of the first start checked and answered, and the
# window waited for (WINDOW_INFO).
first_start() {
  local version=$1 box
  e2e_prefix "widget-$version" "$version" || return 1
  e2e_park_pointer
  e2e_start "$E2E_WELMOR"
  if ! box=$(e2e_driver msgbox "$W" Information 20000); then
    e2e_fail "$version: no language notice at the first start"
    return 1
  fi
  e2e_expect "$version: language notice" "$(box_text "$box")" "$LANGUAGE_NOTICE"
  e2e_expect "$version: language notice buttons" "$(box_buttons "$box")" "OK "
  e2e_driver msgbox-press "$W" Information OK >/dev/null || e2e_fail "$version: cannot answer the notice"
  if ! e2e_driver wait-window "$W" 15000 >/dev/null; then
    e2e_fail "$version: no window after the notice"
    return 1
  fi
  # Laying the window out may follow its first showing by a moment; its
  # facts count once it has its size.
  local deadline=$((SECONDS + 10))
  while :; do
    WINDOW_INFO=$(e2e_driver window-info "$W")
    [ "$(e2e_field "$WINDOW_INFO" rect | cut -d' ' -f3-4)" = "422 17" ] && break
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.2
  done
}

# The three text panels: the children at the top edge, left to right.
panel_lines() {
  e2e_driver panels "$W" | awk -F'\t' '$4 == 0 && $7 == 1' | head -3
}

# clock_seconds TEXT: seconds since midnight of H:MM:SS or HH:MM:SS, with an
# optional AM/PM designator (the user's long time format decides), or nothing.
clock_seconds() {
  [[ $1 =~ ^([0-9]{1,2}):([0-9]{2}):([0-9]{2})(\ ?([AaPp])\.?[Mm]\.?)?$ ]] || return 1
  local h=$((10#${BASH_REMATCH[1]})) m=$((10#${BASH_REMATCH[2]})) s=$((10#${BASH_REMATCH[3]}))
  case "${BASH_REMATCH[5]}" in
    [Aa]) h=$((h % 12)) ;;
    [Pp]) h=$((h % 12 + 12)) ;;
  esac
  echo $((h * 3600 + m * 60 + s))
}

check_window() { # VERSION INFO: what every accepted system shows
  local version=$1 info=$2
  e2e_expect "$version: window size" "$(e2e_field "$info" rect | cut -d' ' -f3-4)" "422 17"
  e2e_expect "$version: topmost" "$(e2e_field "$info" topmost)" "1"
  e2e_expect "$version: owner is a tool window (no task-bar button)" "$(e2e_field "$info" owner_toolwindow)" "1"
  e2e_expect "$version: exactly one visible window" "$(e2e_field "$info" visible_windows)" "1"
}

windows_xp() {
  first_start winxp || return
  local info=$WINDOW_INFO rect left top
  check_window winxp "$info"
  e2e_expect "winxp: drop shadow" "$(($(e2e_field "$info" classstyle) & DROP_SHADOW))" "$DROP_SHADOW"

  # The first start writes the first-run position (top 5, left half the
  # screen width) and reloads it before the window is laid out, with
  # SavePosition on.
  local screen_width
  screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1]; exit }')
  e2e_expect "winxp: first-run PTop stored" "$(registry_dword PTop)" "5"
  e2e_expect "winxp: first-run PLeft stored" "$(registry_dword PLeft)" "$((screen_width / 2))"
  e2e_expect "winxp: SavePosition on" "$(registry_dword SavePosition)" "1"
  rect=$(e2e_field "$info" rect)
  e2e_expect "winxp: window at the stored position" "$(cut -d' ' -f1-2 <<<"$rect")" "$((screen_width / 2)) 5"
  read -r left top _ <<<"$rect"

  # Nothing shown at start needs COM, the shell or the common dialogs: the
  # commands that use them load them.
  local mapped
  mapped=$(cat "/proc/$E2E_APP_PID/maps" 2>/dev/null)
  if grep -qi 'Welmor\.exe' <<<"$mapped"; then
    e2e_expect "winxp: no COM, shell or dialog libraries mapped" \
      "$(grep -oiE '[a-z0-9]+\.dll$' <<<"$mapped" | tr 'A-Z' 'a-z' | sort -u |
        grep -xE 'ole32\.dll|combase\.dll|rpcrt4\.dll|shell32\.dll|comdlg32\.dll' | tr '\n' ' ')" ""
  else
    e2e_fail "winxp: the widget's process $E2E_APP_PID is not the one that maps Welmor.exe"
  fi

  # --- panels after the first tick ---------------------------------------------
  local panels
  panels=$(e2e_driver panels "$W")
  e2e_expect "winxp: panel geometry" \
    "$(awk -F'\t' '$4 == 0 && $7 == 1 { printf "%s %s %s %s|", $3, $4, $5, $6 }' <<<"$panels")" \
    "0 0 140 17|141 0 140 17|282 0 140 17|"
  local deadline=$((SECONDS + 10)) first=
  while [ "$SECONDS" -lt "$deadline" ]; do
    panels=$(panel_lines)
    first=$(sed -n 1p <<<"$panels" | cut -f8)
    [ -n "$first" ] && [ "$first" != "Gathering data ..." ] && break
    sleep 0.2
  done
  local now p1 p2 p3
  now=$(date +%H:%M:%S)
  p1=$(sed -n 1p <<<"$panels" | cut -f8)
  p2=$(sed -n 2p <<<"$panels" | cut -f8)
  p3=$(sed -n 3p <<<"$panels" | cut -f8)
  e2e_expect_match "winxp: panel 1 free RAM" "$p1" '^Free RAM: [0-9]+\.[0-9]{2} (KiB|MiB|GiB|TiB)$'
  # Wine counts the processors the system reports, which a CPU set may cut
  # down for nproc; either count is right.
  local cpus_nproc cpus_online
  cpus_nproc=$(nproc)
  cpus_online=$(getconf _NPROCESSORS_ONLN)
  if [[ $p2 =~ ^([0-9]+)\ CPUs\ Usage:\ ([0-9]+)%$ ]] &&
    { [ "${BASH_REMATCH[1]}" = "$cpus_nproc" ] || [ "${BASH_REMATCH[1]}" = "$cpus_online" ]; } &&
    [ "${BASH_REMATCH[2]}" -le 100 ]; then
    e2e_pass "winxp: panel 2 CPU usage"
  else
    e2e_fail "winxp: panel 2 CPU usage: got '$p2', expected '$cpus_nproc CPUs Usage: <0..100>%'"
  fi
  local shown expected difference
  if shown=$(clock_seconds "$p3"); then
    expected=$(clock_seconds "$now")
    difference=$(((shown - expected + 86400 + 43200) % 86400 - 43200))
    if [ "${difference#-}" -le 5 ]; then
      e2e_pass "winxp: panel 3 clock"
    else
      e2e_fail "winxp: panel 3 clock: '$p3' is ${difference}s away from $now"
    fi
  else
    e2e_fail "winxp: panel 3 clock: '$p3' is no time of day"
  fi

  # --- screenshot ----------------------------------------------------------------
  local shot=$E2E_BUILD/e2e-widget.png
  rm -f "$shot"
  if e2e_screenshot "$shot" "422x17+$left+$top"; then
    e2e_expect "winxp: screenshot size" "$(identify -format '%wx%h' "$shot")" "422x17"
    # Painted with the default sky-blue background, not left blank.
    e2e_expect "winxp: screenshot mostly sky blue" \
      "$(convert "$shot" -format %c histogram:info:- | sort -rn | head -1 | grep -o '#A6CAF0')" "#A6CAF0"
  else
    e2e_fail "winxp: screenshot"
  fi

  # --- context menu --------------------------------------------------------------
  local menu
  if ! menu=$(e2e_driver menu "$W"); then
    e2e_fail "winxp: context menu could not be read"
  else
    e2e_expect "winxp: &Panels is a top-level sub-menu" \
      "$(awk -F'\t' '$1 == 0 && $5 == "&Panels" { print $2 }' <<<"$menu")" "submenu"
    e2e_expect "winxp: E&xit is a top-level item" \
      "$(awk -F'\t' '$1 == 0 && $5 == "E&xit" { print $2 }' <<<"$menu")" "item"
    # Items without a marker get an access key when the menu opens, so
    # captions are compared without their "&".
    local panel_items
    panel_items=$(awk -F'\t' '$1 == 1 && $2 != "separator" && index($5, "&Panels/") == 1 {
        caption = substr($5, 9); gsub(/&/, "", caption); print $3 "\t" caption }' <<<"$menu")
    e2e_expect "winxp: three panel headings" \
      "$(cut -f2 <<<"$panel_items" | grep -cE '^Panel [123] Content$')" "3"
    local captions
    mapfile -t captions < <(e2e_listing contents)
    e2e_expect "winxp: $((3 * ${#captions[@]})) panel content items" \
      "$(cut -f2 <<<"$panel_items" | grep -cvE '^Panel [123] Content$')" "$((3 * ${#captions[@]}))"
    local caption
    for caption in "${captions[@]}"; do
      e2e_expect "winxp: '$caption' offered for each panel" "$(cut -f2 <<<"$panel_items" | grep -cxF "$caption")" "3"
    done
    e2e_expect "winxp: default contents marked" \
      "$(awk -F'\t' '$2 ~ /^Panel [123] Content$/ { panel = substr($2, 7, 1) }
                     $1 ~ /(^|,)checked(,|$)/ { printf "%s:%s|", panel, $2 }' <<<"$panel_items")" \
      "1:Free RAM (Mb)|2:CPU Usage (%)|3:System Clock|"
    e2e_expect "winxp: menu closed again" "$(e2e_field "$(e2e_driver window-info "$W")" visible_windows)" "1"
  fi

  # --- a second start ------------------------------------------------------------
  local hwnd second
  hwnd=$(e2e_field "$info" hwnd)
  timeout 30 wine "$E2E_WELMOR" >>"$E2E_WORK/widget-second.log" 2>&1
  second=$?
  e2e_expect "winxp: second start ends with status 0" "$second" "0"
  info=$(e2e_driver window-info "$W")
  e2e_expect "winxp: still exactly one window" "$(e2e_field "$info" visible_windows)" "1"
  e2e_expect "winxp: the first window is untouched" "$(e2e_field "$info" hwnd)" "$hwnd"

  # --- Alt+F4 does not close the widget -------------------------------------------
  e2e_driver key "$W" ALT+F4
  if e2e_driver wait-exit "$W" 1500 2>/dev/null; then
    e2e_fail "winxp: Alt+F4 closed the widget"
    return
  fi
  e2e_pass "winxp: Alt+F4 ignored"

  # --- Exit ----------------------------------------------------------------------
  if ! e2e_driver menu-click "$W" "E&xit" >/dev/null; then
    e2e_fail "winxp: cannot choose E&xit"
    return
  fi
  e2e_wait_exit "$E2E_APP_PID" 15
  e2e_expect "winxp: E&xit ends with status 0" "$?" "0"
}

# Windows 2000 and Server 2003 run the widget, but only XP gets the shadow.
without_shadow() {
  local version=$1 info
  first_start "$version" || return
  info=$WINDOW_INFO
  check_window "$version" "$info"
  e2e_expect "$version: no drop shadow" "$(($(e2e_field "$info" classstyle) & DROP_SHADOW))" "0"
}

windows_7() {
  local box status
  e2e_prefix widget-win7 win7 || return
  e2e_start "$E2E_WELMOR"
  if ! box=$(e2e_driver msgbox "$W" Error 20000); then
    e2e_fail "win7: no refusal box"
    return
  fi
  e2e_expect "win7: refusal text" "$(box_text "$box")" "$REFUSAL"
  e2e_expect "win7: refusal buttons" "$(box_buttons "$box")" "OK "
  # The window may already be up here: making it topmost shows it, and that
  # comes before the system check.
  e2e_driver msgbox-press "$W" Error OK >/dev/null || e2e_fail "win7: cannot close the refusal box"
  # Start-up runs to its end before the program stops, so the first start's
  # language notice may still come; it is answered like any user would.
  local deadline=$((SECONDS + 20))
  while [ "$SECONDS" -lt "$deadline" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; do
    e2e_driver msgbox-press "$W" Information OK 300 >/dev/null 2>&1
  done
  e2e_wait_exit "$E2E_APP_PID" 1
  status=$?
  e2e_expect "win7: the program ends after the refusal (status)" "$status" "0"
}

windows_xp
without_shadow win2k
without_shadow win2003
windows_7
e2e_finish
