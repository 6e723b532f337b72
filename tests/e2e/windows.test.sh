#!/usr/bin/env bash
# The history and about windows of Welmor.exe as a user meets them, under
# Wine on a virtual display, with settings of this very version (no notice):
#   XP:        "&History" twice gives two windows of 291 x 366 client pixels
#              inside a 2-pixel frame, centred on the screen, titled
#              "Welmor History:" over the change log; Escape in one's edit box
#              hides that one only. "A&bout" gives the modal 291 x 179 window
#              with the product's name and version while the widget takes no
#              input; Escape ends it and the widget takes input again. Both
#              windows have the shadow class style. Screenshots of both are
#              kept as $WELMOR_BUILD_DIR/e2e-history.png and e2e-about.png.
#   2000/2003: neither window has the shadow class style.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
DROP_SHADOW=$((0x20000))
WS_DISABLED=$((0x08000000))
FRAME=2
NICE_VERSION=' v3.9 (Build: 5.15)'

e2e_init windows
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi
VERSION=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$E2E_ROOT/res/welmor.rc")
DESCRIPTION=$(sed -n 's/^ *VALUE "FileDescription", "\(.*\)".*/\1/p' "$E2E_ROOT/res/welmor.rc")
read -r SCREEN_W SCREEN_H < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2]; exit }')

# start_widget VERSION: a fresh prefix reporting VERSION, Welmor started in it
# and its window up.
start_widget() {
  e2e_prefix "windows-$1" "$1" || return 1
  e2e_unmanaged_windows
  if ! wine reg add "$SETTINGS_KEY" /v Version /d "$VERSION" /f >/dev/null 2>&1; then
    e2e_fail "$1: cannot write the settings key"
    return 1
  fi
  e2e_park_pointer >/dev/null
  e2e_start "$E2E_WELMOR"
  e2e_driver wait-window "$W" 20000 >/dev/null || { e2e_fail "$1: no window"; return 1; }
}

# framed CLIENT_W CLIENT_H: the shown top-level windows of the program whose
# outer size is that client area in the frame, one handle a line.
framed() {
  e2e_driver windows "$W" |
    awk -F'\t' -v w=$(($1 + 2 * FRAME)) -v h=$(($2 + 2 * FRAME)) '$3 == 1 && $6 == w && $7 == h { print $1 }'
}

# wait_framed CLIENT_W CLIENT_H COUNT: framed once there are COUNT of them
# (within 10 s); status 1 when there never are.
wait_framed() {
  local deadline=$((SECONDS + 10)) found
  while :; do
    found=$(framed "$1" "$2")
    if [ "$(grep -c . <<<"$found")" -eq "$3" ]; then
      echo "$found"
      return 0
    fi
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# shows HWND TEXT: whether a visible control of the window shows TEXT.
shows() {
  e2e_driver controls "$1" | awk -F'\t' -v t="$2" '$7 == 1 && $8 == t { f = 1 } END { exit !f }'
}

# check_centred WHAT HWND CLIENT_W CLIENT_H: client size and place on screen.
check_centred() {
  local info outer_w=$(($3 + 2 * FRAME)) outer_h=$(($4 + 2 * FRAME))
  info=$(e2e_driver window-info "$2")
  e2e_expect "$1: client size" "$(e2e_field "$info" client)" "$3 $4"
  e2e_expect "$1: centred on the screen" "$(e2e_field "$info" rect)" \
    "$(((SCREEN_W - outer_w) / 2)) $(((SCREEN_H - outer_h) / 2)) $outer_w $outer_h"
}

# shadow HWND: 1 when the window's class has the drop-shadow style.
shadow() {
  local style
  style=$(e2e_field "$(e2e_driver window-info "$1")" classstyle)
  echo $(((style & DROP_SHADOW) != 0))
}

main_disabled() {
  local style
  style=$(e2e_field "$(e2e_driver window-info "$W")" style)
  echo $(((style & WS_DISABLED) != 0))
}

windows_xp() {
  start_widget winxp || return
  local histories first second edit about shot

  # --- two history windows ------------------------------------------------------
  e2e_driver menu-click "$W" "&History" >/dev/null || e2e_fail "winxp: cannot choose &History"
  e2e_driver menu-click "$W" "&History" >/dev/null || e2e_fail "winxp: cannot choose &History again"
  if ! histories=$(wait_framed 291 366 2); then
    e2e_fail "winxp: two history windows: got '$(framed 291 366 | tr '\n' ' ')'"
    return
  fi
  e2e_pass "winxp: two history windows"
  first=$(sed -n 1p <<<"$histories")
  second=$(sed -n 2p <<<"$histories")
  for hwnd in $first $second; do
    check_centred "winxp: history $hwnd" "$hwnd" 291 366
    shows "$hwnd" "Welmor History:" && e2e_pass "winxp: history title" || e2e_fail "winxp: history title"
    shows "$hwnd" "$NICE_VERSION" && e2e_pass "winxp: history version" || e2e_fail "winxp: history version"
    e2e_expect "winxp: history shadow" "$(shadow "$hwnd")" 1
  done
  edit=$(e2e_driver controls "$first" | awk -F'\t' '$8 ~ /^\\r\\n LEGEND:\\r\\n/ { print $9 }')
  e2e_expect_match "winxp: the change log in an edit box" "$edit" '^0x[0-9a-f]+$'

  shot=$E2E_BUILD/e2e-history.png
  rm -f "$shot"
  e2e_screenshot "$shot" "$((291 + 2 * FRAME))x$((366 + 2 * FRAME))+$(((SCREEN_W - 295) / 2))+$(((SCREEN_H - 370) / 2))" ||
    e2e_fail "winxp: history screenshot"

  if [ -n "$edit" ]; then
    e2e_driver key "$edit" ESCAPE
    e2e_expect "winxp: Escape in the edit box hides that window only" \
      "$(wait_framed 291 366 1)" "$second"
  fi

  # --- the modal about window ----------------------------------------------------
  e2e_driver menu-click "$W" "A&bout" >/dev/null || e2e_fail "winxp: cannot choose A&bout"
  if ! about=$(wait_framed 291 179 1); then
    e2e_fail "winxp: no about window"
    return
  fi
  check_centred "winxp: about" "$about" 291 179
  shows "$about" "Welmor" && e2e_pass "winxp: about name" || e2e_fail "winxp: about name"
  shows "$about" "$NICE_VERSION" && e2e_pass "winxp: about version" || e2e_fail "winxp: about version"
  shows "$about" "$DESCRIPTION" && e2e_pass "winxp: about description" || e2e_fail "winxp: about description"
  e2e_expect "winxp: about shadow" "$(shadow "$about")" 1
  e2e_expect "winxp: the widget takes no input while about is shown" "$(main_disabled)" 1
  shot=$E2E_BUILD/e2e-about.png
  rm -f "$shot"
  e2e_screenshot "$shot" "$((291 + 2 * FRAME))x$((179 + 2 * FRAME))+$(((SCREEN_W - 295) / 2))+$(((SCREEN_H - 183) / 2))" ||
    e2e_fail "winxp: about screenshot"
  e2e_driver key "$about" ESCAPE
  if wait_framed 291 179 0 >/dev/null; then e2e_pass "winxp: Escape ends about"; else e2e_fail "winxp: Escape ends about"; fi
  e2e_expect "winxp: the widget takes input again" "$(main_disabled)" 0
  e2e_expect "winxp: the other history window stays" "$(framed 291 366)" "$second"
}

# Windows 2000 and Server 2003: the same windows without the shadow.
without_shadow() {
  local version=$1 history about
  start_widget "$version" || return
  e2e_driver menu-click "$W" "&History" >/dev/null || e2e_fail "$version: cannot choose &History"
  if history=$(wait_framed 291 366 1); then
    e2e_expect "$version: history without shadow" "$(shadow "$history")" 0
  else
    e2e_fail "$version: no history window"
  fi
  e2e_driver menu-click "$W" "A&bout" >/dev/null || e2e_fail "$version: cannot choose A&bout"
  if about=$(wait_framed 291 179 1); then
    e2e_expect "$version: about without shadow" "$(shadow "$about")" 0
    e2e_driver key "$about" ESCAPE
  else
    e2e_fail "$version: no about window"
  fi
}

windows_xp
without_shadow win2k
without_shadow win2003
e2e_finish
