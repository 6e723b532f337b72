#!/usr/bin/env bash
# Dragging the widget with the real pointer of the X display (XTest), as a
# user's quick flick does: 200 pixels upward in 10 steps of 20, each of which
# leaves the 17-pixel panel at once. The pressed panel keeps the mouse, so
# the move loop starts and follows the pointer. Then the same on a desk of
# two displays, where the widget lives on the second one: started there, left
# there by a mouse movement and by a drag, and snapped to its edge.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
DRAG="$(dirname "$0")/xtest_drag.py"

e2e_init drag
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

position() { e2e_field "$(e2e_driver window-info "$W")" rect | cut -d' ' -f1-2; }

e2e_prefix drag winxp || e2e_finish
e2e_unmanaged_windows
e2e_seed_settings SavePosition REG_DWORD 1 PLeft REG_DWORD 300 PTop REG_DWORD 600 ||
  e2e_fail "cannot write the settings key"
e2e_park_pointer >/dev/null
e2e_start "$E2E_WELMOR"
if info=$(e2e_wait_size "$W" 422 17 20); then
  e2e_expect "starts at the stored position" "$(e2e_field "$info" rect | cut -d' ' -f1-2)" "300 600"
  # Pressed on the first panel; the first step starts the move loop and is
  # not followed, the nine after it are: 180 pixels up.
  python3 "$DRAG" 320 608 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 ||
    e2e_fail "XTest drag"
  sleep 0.3
  e2e_park_pointer >/dev/null
  e2e_expect "a quick upward drag moves the widget" "$(position)" "300 420"
else
  e2e_fail "no 422 x 17 window"
fi

# Two displays: the primary at 0..1024 x 0..768 and a second at 1024..1824 x
# 0..600, RandR monitors of a display of our own (-noreset keeps them once
# xrandr has gone). Wine reads them through Xinerama when its XRandR path,
# which sees Xvfb's single output only, is off. The widget starts on the
# second display, where it was stored, with "Sticky window" and "Show
# processes" on.
for n in $(seq 130 160); do [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1824x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
trap "e2e_cleanup; kill $! 2>/dev/null" EXIT
export DISPLAY=":$n"
for _ in $(seq 50); do xrandr --setmonitor one 1024/270x768/203+0+0 screen >/dev/null 2>&1 && break; sleep 0.1; done
xrandr --setmonitor two 800/211x600/159+1024+0 none >/dev/null || e2e_fail "no second RandR monitor"
e2e_prefix drag-two winxp || e2e_finish
e2e_unmanaged_windows
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1
e2e_seed_settings SavePosition REG_DWORD 1 PLeft REG_DWORD 1300 PTop REG_DWORD 300 Sticky REG_DWORD 1 \
  ShowProcesses REG_DWORD 1 ||
  e2e_fail "cannot write the settings key"
wineserver -w # the prefix's desktop process read the displays before UseXRandR was written
e2e_expect "two displays: the system answers the display contract as the fake does" \
  "$(wine "$E2E_BUILD/win64-tests/win32_tests.exe" --gtest_filter='Contract/DisplayContract*' | tr -d '\r' |
    grep '^\[  [A-Z]')" "[  PASSED  ] 2 tests."
e2e_park_pointer >/dev/null
e2e_start "$E2E_WELMOR"
e2e_wait_size "$W" 422 17 20 >/dev/null || e2e_fail "two displays: no 422 x 17 window"
e2e_expect "two displays: starts at the stored position on the second" "$(position)" "1300 300"
e2e_driver mouse-move 1350 308 >/dev/null && sleep 0.3 && e2e_park_pointer >/dev/null && sleep 0.3
e2e_expect "two displays: a mouse movement over it leaves it there" "$(position)" "1300 300"
e2e_driver mouse-move 1350 308 >/dev/null && sleep 1
hint=$(e2e_driver windows "$W" | awk -F'\t' '$2 == "WelmorHint" && $3 == 1 { print ($4 >= 1024 ? "on" : "off") }')
e2e_expect "two displays: the process hint opens on the second" "$hint" "on"
e2e_park_pointer >/dev/null && sleep 0.3
python3 "$DRAG" 1350 308 1,0 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 0,-20 && sleep 0.3
e2e_expect "two displays: a drag on the second ends where it was let go" "$(position)" "1300 100"
python3 "$DRAG" 1350 108 1,0 19,0 19,0 19,0 19,0 19,0 && sleep 0.3
e2e_expect "two displays: 7 pixels from its right edge it snaps onto it" "$(position)" "1402 100"

e2e_finish
