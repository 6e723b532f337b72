#!/usr/bin/env bash
# Dragging the widget with the real pointer of the X display (XTest), as a
# user's quick flick does: 200 pixels upward in 10 steps of 20, each of which
# leaves the 17-pixel panel at once. The pressed panel keeps the mouse, so
# the move loop starts and follows the pointer.
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

e2e_finish
