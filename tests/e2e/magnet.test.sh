#!/usr/bin/env bash
# Dragging the widget with the real pointer (XTest) under Wine on a virtual
# display without a window manager, where Wine runs its own move loop: a
# WM_MOVING for every mouse step, each followed by the move itself. The
# widget starts at left 300, top 100 from a settings key written beforehand.
#   "Sticky window" off: a drag that leaves the top 3 pixels below the work
#                        area's top ends on it (the window's own 5-pixel
#                        snapping); one that leaves it 10 pixels below stays.
#   "Sticky window" on:  a drag that would leave the top 10 pixels below ends
#                        exactly on the work area's top (the magnet's 15
#                        pixels), the window following the cursor sideways.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
VERSION=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$E2E_ROOT/res/welmor.rc")
DRAG="$(dirname "$0")/xtest_drag.py"

e2e_init magnet
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

# start_widget NAME STICKY: a fresh prefix whose settings put the widget at
# 300, 100 with "Sticky window" as given, and the widget started in it.
start_widget() {
  local name=$1 sticky=$2 seeded=1
  e2e_prefix "magnet-$name" winxp || return 1
  e2e_unmanaged_windows
  wine reg add "$SETTINGS_KEY" /v Version /d "$VERSION" /f >/dev/null 2>&1 || seeded=0
  wine reg add "$SETTINGS_KEY" /v SavePosition /t REG_DWORD /d 1 /f >/dev/null 2>&1 || seeded=0
  wine reg add "$SETTINGS_KEY" /v PLeft /t REG_DWORD /d 300 /f >/dev/null 2>&1 || seeded=0
  wine reg add "$SETTINGS_KEY" /v PTop /t REG_DWORD /d 100 /f >/dev/null 2>&1 || seeded=0
  wine reg add "$SETTINGS_KEY" /v Sticky /t REG_DWORD /d "$sticky" /f >/dev/null 2>&1 || seeded=0
  [ "$seeded" -eq 1 ] || { e2e_fail "$name: cannot write the settings key"; return 1; }
  e2e_park_pointer >/dev/null
  e2e_start "$E2E_WELMOR"
  local info
  if ! info=$(e2e_wait_size "$W" 422 17 20); then
    e2e_fail "$name: no 422 x 17 window"
    return 1
  fi
  e2e_expect "$name: starts at the stored position" "$(e2e_field "$info" rect | cut -d' ' -f1-2)" "300 100"
}

# position: the window's left and top now.
position() { e2e_field "$(e2e_driver window-info "$W")" rect | cut -d' ' -f1-2; }

# drag X Y STEPS...: presses on the panel at X Y and moves by each step. The
# first step, one pixel to the right, only starts the move loop (it is not
# followed), so every later step counts in full.
drag() {
  local x=$1 y=$2
  shift 2
  python3 "$DRAG" "$x" "$y" 1,0 "$@" || e2e_fail "XTest drag from $x $y"
  sleep 0.3
  e2e_park_pointer >/dev/null
}

UP10=(0,-10 0,-10 0,-10 0,-10 0,-10 0,-10 0,-10 0,-10 0,-10) # 90 pixels up

if start_widget off 0; then
  drag 370 108 "${UP10[@]}" 0,-7
  e2e_expect "sticky off: a drag ending 3 pixels below the top lands on it" "$(position)" "300 0"
  drag 370 8 0,5 0,5
  e2e_expect "sticky off: a drag ending 10 pixels below the top stays there" "$(position)" "300 10"
fi

if start_widget on 1; then
  drag 370 108 -10,-10 -10,-10 -10,-10 -10,-10 -10,-10 -10,-10 -10,-10 -10,-10 -10,-10
  e2e_expect "sticky on: a drag ending 10 pixels below the top lands on it" "$(position)" "210 0"
  drag 270 8 0,10 0,10
  e2e_expect "sticky on: a drag ending 20 pixels below the top stays there" "$(position)" "210 20"
fi

e2e_finish
