#!/usr/bin/env bash
# The test driver on its own fixture window (welmor_fixture.exe): message
# boxes found by caption and answered, the main window's facts, the panels in
# position order, the context menu read through the probe DLL, items chosen
# by path at every depth, keys and the mouse. Every later end-to-end test
# trusts these commands.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

F=welmor_fixture.exe
TAB=$'\t'

e2e_init driver
e2e_prefix driver winxp || e2e_finish

# The listing with the handle-made ids of sub-menu items and the separators'
# state (an implementation detail of the menu code) blanked.
normalised_menu() {
  awk -F'\t' 'BEGIN { OFS = "\t" } $2 == "submenu" { $4 = "*" } $2 == "separator" { $3 = "*" } { print }'
}

panel_text() { # N: the text of the Nth child in position order
  e2e_driver panels "$F" | awk -F'\t' -v n="$1" '$1 == n { print $8 }'
}

menu_windows() {
  e2e_driver windows "$F" | grep -c "${TAB}#32768${TAB}"
}

# --- a box before the window --------------------------------------------------
e2e_start "$E2E_FIXTURE" --notice
box=$(e2e_driver msgbox "$F" Information 20000)
e2e_expect "notice text" "$(sed -n "s/^text${TAB}//p" <<<"$box")" 'Fixture notice.\r\n\r\n Press OK'
e2e_expect "notice buttons" "$(sed -n "s/^button${TAB}//p" <<<"$box")" "OK"
if e2e_driver wait-window "$F" 300 >/dev/null 2>&1; then
  e2e_fail "wait-window took the message box for the main window"
else
  e2e_pass "wait-window passes over a message box"
fi
e2e_expect "notice answered" "$(e2e_driver msgbox-press "$F" Information OK)" "pressed OK"

# --- the window -----------------------------------------------------------------
if ! e2e_driver wait-window "$F" 10000 >/dev/null; then
  e2e_fail "no fixture window after the notice"
  e2e_finish
fi
info=$(e2e_driver window-info "$F")
e2e_expect "class" "$(e2e_field "$info" class)" "WelmorFixtureMain"
e2e_expect "title" "$(e2e_field "$info" title)" "Welmor fixture"
e2e_expect "rectangle" "$(e2e_field "$info" rect)" "30 40 300 20"
e2e_expect "topmost" "$(e2e_field "$info" topmost)" "1"
e2e_expect "owner is a tool window" "$(e2e_field "$info" owner_toolwindow)" "1"
e2e_expect "drop shadow class style" "$(($(e2e_field "$info" classstyle) & 0x20000))" "$((0x20000))"
e2e_expect "one visible window" "$(e2e_field "$info" visible_windows)" "1"

expected_panels="1${TAB}Static${TAB}0${TAB}0${TAB}99${TAB}17${TAB}1${TAB}alpha one
2${TAB}Static${TAB}100${TAB}0${TAB}99${TAB}17${TAB}1${TAB}beta two
3${TAB}Static${TAB}200${TAB}0${TAB}99${TAB}17${TAB}1${TAB}gamma three
4${TAB}WelmorFixtureBar${TAB}1${TAB}17${TAB}97${TAB}3${TAB}1${TAB}"
e2e_expect "panels in position order" "$(e2e_driver panels "$F")" "$expected_panels"

# --- the menu, read from inside the process ----------------------------------------
expected_menu="0${TAB}submenu${TAB}-${TAB}*${TAB}&File
1${TAB}item${TAB}-${TAB}101${TAB}&File/&Open
1${TAB}separator${TAB}*${TAB}0${TAB}&File/-
1${TAB}item${TAB}disabled${TAB}102${TAB}&File/Disabled thing
1${TAB}submenu${TAB}-${TAB}*${TAB}&File/Sub&menu
2${TAB}item${TAB}-${TAB}103${TAB}&File/Sub&menu/Deep
0${TAB}separator${TAB}*${TAB}0${TAB}-
0${TAB}submenu${TAB}-${TAB}*${TAB}&Mode
1${TAB}item${TAB}checked,radio${TAB}201${TAB}&Mode/Mode A
1${TAB}item${TAB}radio${TAB}202${TAB}&Mode/Mode B
1${TAB}item${TAB}radio${TAB}203${TAB}&Mode/Mode\\/C
0${TAB}item${TAB}-${TAB}301${TAB}Check me
0${TAB}separator${TAB}*${TAB}0${TAB}-
0${TAB}separator${TAB}*${TAB}0${TAB}-
0${TAB}item${TAB}-${TAB}401${TAB}&Ask...
0${TAB}item${TAB}-${TAB}901${TAB}E&xit"
e2e_expect "menu listing (posted right click)" "$(e2e_driver menu "$F" | normalised_menu)" "$expected_menu"
e2e_expect "menu closed after listing" "$(menu_windows)" "0"
e2e_expect "menu listing (real right click)" "$(e2e_driver menu "$F" --input --at 250 10 | normalised_menu)" \
  "$expected_menu"
e2e_expect "menu closed after the real click" "$(menu_windows)" "0"

# --- choosing items -------------------------------------------------------------
e2e_driver menu-click "$F" "&Mode/Mode B" >/dev/null
e2e_expect "radio item chosen" "$(panel_text 3)" "mode B"
e2e_expect "radio mark moved" "$(e2e_driver menu "$F" | grep -F "&Mode/Mode" | cut -f3 | tr '\n' ' ')" \
  "radio checked,radio radio "
e2e_driver menu-click "$F" "Check me" >/dev/null
e2e_expect "check mark set" "$(e2e_driver menu "$F" | grep -F "${TAB}Check me" | cut -f3)" "checked"
e2e_driver menu-click "$F" "File/Submenu/Deep" >/dev/null
e2e_expect "third-level item chosen, '&' ignored" "$(panel_text 1)" "deep"
e2e_driver menu-click "$F" '&Mode/Mode\/C' --input >/dev/null
e2e_expect "caption with a slash chosen after a real click" "$(panel_text 3)" "mode C"

if e2e_driver menu-click "$F" "&File/Disabled thing" >/dev/null 2>&1; then
  e2e_fail "a disabled item was chosen"
else
  e2e_pass "a disabled item is refused"
fi
if e2e_driver menu-click "$F" "&File/Missing" >/dev/null 2>&1; then
  e2e_fail "a missing item was chosen"
else
  e2e_pass "a missing item is refused"
fi
e2e_expect "menu closed after refusals" "$(menu_windows)" "0"

# --- a question box opened from the menu ------------------------------------------
e2e_driver menu-click "$F" "&Ask..." >/dev/null
box=$(e2e_driver msgbox "$F" Confirm 5000)
e2e_expect "question text" "$(sed -n "s/^text${TAB}//p" <<<"$box")" 'Shall we?\r\nSecond line'
e2e_expect "question buttons" "$(sed -n "s/^button${TAB}//p" <<<"$box" | tr '\n' ' ')" "&Yes &No "
e2e_driver msgbox-press "$F" Confirm Yes >/dev/null
e2e_expect "answer arrived" "$(panel_text 2)" "answer yes"

# --- the mouse and keys ------------------------------------------------------------
e2e_driver mouse-move 45 50
e2e_expect "pointer seen at the moved-to point" \
  "$(e2e_field "$(e2e_driver window-info "$F")" title)" "pointer 15,10"
e2e_driver click 300 50 right
if [ "$(menu_windows)" = "1" ]; then e2e_pass "real right click opens the menu"; else e2e_fail "real right click opened no menu"; fi
e2e_driver menu-close "$F"
e2e_expect "menu-close" "$(menu_windows)" "0"
e2e_park_pointer
e2e_expect "pointer parked" "$(e2e_driver mouse-pos)" "$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] - 1, d[2] - 1; exit }')"

e2e_driver key "$F" ALT+F4
e2e_wait_exit "$E2E_APP_PID" 10
e2e_expect "Alt+F4 closes the fixture (status)" "$?" "0"
if e2e_driver wait-exit "$F" 5000; then e2e_pass "wait-exit"; else e2e_fail "wait-exit"; fi
if e2e_driver wait-window "$F" 200 >/dev/null 2>&1; then
  e2e_fail "wait-window found a window of an ended program"
else
  e2e_pass "wait-window times out without the program"
fi

# --- exit status through the menu -------------------------------------------------
e2e_start "$E2E_FIXTURE"
e2e_driver wait-window "$F" 10000 >/dev/null
e2e_expect "E&xit chosen" "$(e2e_driver menu-click "$F" "E&xit")" "chosen E&xit"
e2e_wait_exit "$E2E_APP_PID" 10
e2e_expect "exit status of the program" "$?" "3"

e2e_finish
