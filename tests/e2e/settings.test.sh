#!/usr/bin/env bash
# Welmor.exe's settings in Wine's own registry, over three starts on one fresh
# prefix that reports Windows XP:
#   1st start: the language notice, nothing written before it is answered,
#              then the settings key with all its values, their types and
#              first-run contents; "Run at StartUp" writes the Run entry with
#              the program's full path and shows the item checked.
#   2nd start: after a hand edit of ContentPanels: no notice, the panels show
#              the new contents at the first tick, the Run entry written
#              before reads back as checked and choosing the item again
#              removes it; Exit keeps the hand-edited value.
#   3rd start: after hand edits of Version and other values: the other-version
#              notice once, then only Version, ContentHDDs, ShowProcesses and
#              Interval rewritten and the first tick after one second; a Run
#              entry in quotes counts as not set and choosing the item
#              replaces it; a stored position partly off the screen is
#              honoured, and moving the mouse over a panel brings the window
#              back on screen and saves where it is.
#   4th start: a start-up entry that is not text (a REG_DWORD written by
#              something else): no box, the panels refresh, the item shows
#              unchecked, and a mouse movement and Exit leave every stored
#              value as it was.
#   5th start: the settings key's access list emptied, so nobody may open
#              it: no language notice, the load's error box, no box for the
#              saves a mouse movement brings; once the key may be read again,
#              the next mouse movement leaves every stored value as it was.
# Then the x64 release package (WELMOR_PACKAGE_DIR, default dist/) unzipped
# into C:\Program Files\Welmor of a fresh prefix: it starts from there and
# shows its panels, "Run at StartUp" writes that path, and Exit saves.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
TAB=$'\t'
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
RUN_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
RUN_VALUE=Welmor
RUN_ITEM='&Misc./Run at StartUp'
LANGUAGE_NOTICE='If system language is not English, some dispay bugs (missing text) will be around.'
# As the driver prints it: the carriage returns and line feeds read \r and \n.
VERSION_NOTICE='     Setting from diferent version found in Registry. \r\n\r\n Please make sure you read the History for changes'

e2e_init settings
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

# The version the program stores is the one its resource carries.
FILE_VERSION=$(sed -n 's/.*VALUE "FileVersion", "\([^"]*\)".*/\1/p' "$E2E_ROOT/res/welmor.rc")
# A program started from a Unix path is, to itself, that path on drive Z:
# with backslashes; symbolic links are not followed.
EXE_PATH=$(realpath -s "$E2E_WELMOR")
EXE_PATH="Z:${EXE_PATH//\//\\}"

# --- helpers -------------------------------------------------------------------

box_text() { sed -n "s/^text${TAB}//p" <<<"$1"; }
box_buttons() { sed -n "s/^button${TAB}//p" <<<"$1" | tr '\n' ' '; }

# settings: the settings key as e2e_reg_values lists it, sorted by name.
settings() { e2e_reg_values "$SETTINGS_KEY" | LC_ALL=C sort; }

# with_value LISTING NAME TYPE DATA: the listing with NAME's line replaced.
with_value() {
  awk -F'\t' -v OFS='\t' -v n="$2" -v t="$3" -v d="$4" '$1 == n { $2 = t; $3 = d } { print }' <<<"$1"
}

# value_of LISTING NAME: "TYPE DATA" of one value, nothing when it is absent.
value_of() { awk -F'\t' -v n="$2" '$1 == n { print $2 " " $3 }' <<<"$1"; }

# expect_listing WHAT ACTUAL EXPECTED: equal listings, or the differing lines.
expect_listing() {
  if [ "$2" == "$3" ]; then
    e2e_pass "$1"
  else
    e2e_fail "$1: $(diff <(echo "$3") <(echo "$2") | grep '^[<>]' | sed 's/^</expected/; s/^>/got/' | tr '\t\n' ' ;')"
  fi
}

# run_entry: "TYPE DATA" of the start-up entry, nothing when there is none.
# The Run key itself belongs to the system and must stay.
run_entry() {
  local values
  values=$(e2e_reg_values "$RUN_KEY") || { echo "(no Run key)"; return; }
  value_of "$values" "$RUN_VALUE"
}

# run_entry_after EXPECTED: the start-up entry once it reads EXPECTED, or as
# it stands after 5 s; a chosen item's command runs after the menu closes.
run_entry_after() {
  local deadline=$((SECONDS + 5)) entry
  while entry=$(run_entry) && [ "$entry" != "$1" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.2; done
  echo "$entry"
}

# set_value NAME TYPE DATA: a hand edit of the settings key.
set_value() {
  wine reg add "$SETTINGS_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1 ||
    e2e_fail "cannot set $1 to '$3' by hand"
}

# menu_state PATH: the state field of a menu item as the menu shows it on
# opening ("-", "checked", ...); captions are compared without "&", which
# items without one get when the menu opens.
menu_state() {
  local menu
  menu=$(e2e_driver menu "$W" --input) || return 1
  awk -F'\t' -v p="${1//&/}" '{ path = $5; gsub(/&/, "", path) } path == p { print $3 }' <<<"$menu"
}

# is_checked STATE: "checked", "unchecked", or "missing" for no such item.
is_checked() {
  if [ -z "$1" ]; then
    echo missing
  elif [[ $1 =~ (^|,)checked(,|$) ]]; then
    echo checked
  else
    echo unchecked
  fi
}

# choose PATH: chooses a menu item with a real right click, as a user would;
# reports a failure.
choose() { e2e_driver menu-click "$W" "$1" --input >/dev/null || e2e_fail "cannot choose $1"; }

# start: starts Welmor; the window it shows is waited for by the caller.
start() {
  e2e_park_pointer
  e2e_start "$E2E_WELMOR"
}

# exit_widget WHAT: E&xit from the menu, and the program ends with status 0.
exit_widget() {
  choose "E&xit"
  e2e_wait_exit "$E2E_APP_PID" 15
  e2e_expect "$1: E&xit ends the program with status 0" "$?" "0"
}

# open_dialogs: message boxes of the program that are on the screen.
open_dialogs() { e2e_driver windows "$W" | awk -F'\t' '$2 == "#32770" && $3 == 1 { print $8 }'; }

# --- 1st start: first run ------------------------------------------------------

first_start() {
  local box info screen_width expected entry
  if wine reg query "$SETTINGS_KEY" >/dev/null 2>&1; then
    e2e_fail "first start: the fresh prefix already has the settings key"
  fi
  start
  if ! box=$(e2e_driver msgbox "$W" Information 20000); then
    e2e_fail "first start: no language notice"
    return 1
  fi
  e2e_expect "first start: language notice" "$(box_text "$box")" "$LANGUAGE_NOTICE"
  e2e_expect "first start: language notice buttons" "$(box_buttons "$box")" "OK "
  # The first-run values are written once the notice is answered.
  if wine reg query "$SETTINGS_KEY" >/dev/null 2>&1; then
    e2e_fail "first start: settings written while the language notice is open"
  else
    e2e_pass "first start: nothing written while the language notice is open"
  fi
  e2e_driver msgbox-press "$W" Information OK >/dev/null || e2e_fail "first start: cannot answer the notice"
  if ! info=$(e2e_wait_size "$W" 422 17 15); then
    e2e_fail "first start: no laid-out window after the notice"
    return 1
  fi

  screen_width=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1]; exit }')
  # Version, then what the portable code stores on a first run on this screen.
  expected=$( (printf 'Version\t%s\t%s\n' REG_SZ "$FILE_VERSION"; e2e_listing settings "$screen_width") | LC_ALL=C sort)
  local stored
  stored=$(settings)
  e2e_expect "first start: the settings key holds every value listed" "$(wc -l <<<"$stored")" "$(wc -l <<<"$expected")"
  expect_listing "first start: first-run values and types" "$stored" "$expected"

  # --- Run at StartUp on ---------------------------------------------------------
  e2e_expect "first start: no start-up entry yet" "$(run_entry)" ""
  e2e_expect "first start: Run at StartUp unchecked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "unchecked"
  choose "$RUN_ITEM"
  entry=$(run_entry_after "REG_SZ $EXE_PATH")
  e2e_expect "first start: Run at StartUp writes the full path of the program" "$entry" "REG_SZ $EXE_PATH"
  e2e_expect "first start: Run at StartUp checked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "checked"

  exit_widget "first start"
}

# --- 2nd start: a hand-edited value, no notice ---------------------------------

second_start() {
  local panels p1 p2 p3 dialogs
  # Windows uptime, CPU usage, free RAM.
  set_value ContentPanels REG_SZ 961
  start
  if ! e2e_wait_size "$W" 422 17 15 >/dev/null; then
    e2e_fail "second start: no laid-out window"
    return 1
  fi
  # The refresh starts only after any notice of the start-up is answered, so
  # a first tick with no box on the screen means none was shown.
  if ! panels=$(e2e_first_tick "$W" 10); then
    e2e_fail "second start: no first tick within 10 s (open boxes: $(open_dialogs | tr '\n' ' '))"
    return 1
  fi
  dialogs=$(open_dialogs)
  e2e_expect "second start: no notice" "$dialogs" ""
  e2e_expect "second start: exactly one window" "$(e2e_field "$(e2e_driver window-info "$W")" visible_windows)" "1"
  p1=$(sed -n 1p <<<"$panels" | cut -f8)
  p2=$(sed -n 2p <<<"$panels" | cut -f8)
  p3=$(sed -n 3p <<<"$panels" | cut -f8)
  e2e_expect_match "second start: panel 1 Windows uptime" "$p1" '^System Uptime: [0-9]+:([0-9]|1[0-9]|2[0-3]):[0-5]?[0-9]:[0-5]?[0-9]$'
  e2e_expect_match "second start: panel 2 CPU usage" "$p2" '^[1-9][0-9]* CPUs Usage: ([0-9]|[1-9][0-9]|100)%$'
  e2e_expect_match "second start: panel 3 free RAM" "$p3" '^Free RAM: [0-9]+\.[0-9]{2} (KiB|MiB|GiB|TiB)$'

  # --- Run at StartUp read back, then off ------------------------------------------
  e2e_expect "second start: Run at StartUp read back as checked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "checked"
  choose "$RUN_ITEM"
  e2e_expect "second start: Run at StartUp off removes the entry" "$(run_entry_after "")" ""
  e2e_expect "second start: Run at StartUp unchecked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "unchecked"

  exit_widget "second start"
  e2e_expect "second start: ContentPanels kept after Exit" "$(value_of "$(settings)" ContentPanels)" "REG_SZ 961"
}

# --- 3rd start: settings of another version; the position ----------------------

third_start() {
  local before expected box info rect left top panels stored
  set_value Version REG_SZ 3.8.0.1
  set_value ContentHDDs REG_SZ DEF
  set_value Interval REG_DWORD 7
  set_value ShowProcesses REG_DWORD 0
  # Values the upgrade must leave alone.
  set_value CPUAlarm_2_Value REG_DWORD 33
  set_value ColorT REG_DWORD 128
  # 60 pixels off the left edge of the screen: -60 as a DWORD.
  set_value PLeft REG_DWORD 0xffffffc4
  set_value PTop REG_DWORD 300
  wine reg add "$RUN_KEY" /v "$RUN_VALUE" /d "\"$EXE_PATH\"" /f >/dev/null 2>&1 ||
    e2e_fail "cannot write a quoted start-up entry"
  before=$(settings)
  expected=$(with_value "$before" Version REG_SZ "$FILE_VERSION")
  expected=$(with_value "$expected" ContentHDDs REG_SZ CCC)
  expected=$(with_value "$expected" ShowProcesses REG_DWORD 1)
  expected=$(with_value "$expected" Interval REG_DWORD 1)

  start
  if ! box=$(e2e_driver msgbox "$W" Information 20000); then
    e2e_fail "third start: no notice of settings from another version"
    return 1
  fi
  e2e_expect "third start: other-version notice" "$(box_text "$box")" "$VERSION_NOTICE"
  e2e_expect "third start: other-version notice buttons" "$(box_buttons "$box")" "OK "
  e2e_expect "third start: nothing upgraded while the notice is open" "$(settings)" "$before"
  e2e_driver msgbox-press "$W" Information OK >/dev/null || e2e_fail "third start: cannot answer the notice"
  # The stored Interval was 7 s; the upgraded 1 s starts the refresh.
  if ! panels=$(e2e_first_tick "$W" 5); then
    e2e_fail "third start: no first tick within 5 s of the notice (open boxes: $(open_dialogs | tr '\n' ' '))"
    return 1
  fi
  e2e_expect "third start: the notice comes once" "$(open_dialogs)" ""
  stored=$(settings)
  expect_listing "third start: Version, ContentHDDs, ShowProcesses and Interval upgraded, the rest kept" \
    "$stored" "$expected"

  info=$(e2e_driver window-info "$W")
  rect=$(e2e_field "$info" rect)
  e2e_expect "third start: window at the stored position, partly off the screen" "$(cut -d' ' -f1-2 <<<"$rect")" "-60 300"

  # --- a start-up entry in quotes --------------------------------------------------
  e2e_expect "third start: a quoted start-up entry counts as not set" \
    "$(is_checked "$(menu_state "$RUN_ITEM")")" "unchecked"
  choose "$RUN_ITEM"
  e2e_expect "third start: Run at StartUp replaces the quoted entry" "$(run_entry_after "REG_SZ $EXE_PATH")" \
    "REG_SZ $EXE_PATH"
  e2e_expect "third start: Run at StartUp checked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "checked"

  # --- the position --------------------------------------------------------------
  # The real clicks above may already have brought the window back. Over panel 2; with no button held the widget is not dragged, but it is
  # brought back inside the work area (the whole screen: Xvfb has no
  # window manager) and the settings are saved with its position.
  e2e_driver mouse-move $((-60 + 141 + 70)) $((300 + 8))
  local deadline=$((SECONDS + 5)) position
  while :; do
    rect=$(e2e_field "$(e2e_driver window-info "$W")" rect)
    read -r left top _ <<<"$rect"
    stored=$(settings)
    position="$(value_of "$stored" PLeft | cut -d' ' -f2) $(value_of "$stored" PTop | cut -d' ' -f2)"
    [ "$left $top" = "0 300" ] && [ "$position" = "0 300" ] && break
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.2
  done
  e2e_park_pointer
  e2e_expect "third start: a mouse move brings the window back on screen" "$left $top" "0 300"
  e2e_expect "third start: a mouse move saves the window's position (PLeft PTop)" "$position" "$left $top"

  exit_widget "third start"
  expected=$(with_value "$expected" PLeft REG_DWORD 0)
  expect_listing "third start: settings after Exit" "$(settings)" "$expected"
  e2e_expect "third start: the start-up entry stays after Exit" "$(run_entry)" "REG_SZ $EXE_PATH"
}

# --- 4th start: a start-up entry of another type ---------------------------------

fourth_start() {
  local before entry panels
  wine reg add "$RUN_KEY" /v "$RUN_VALUE" /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
    e2e_fail "cannot write a REG_DWORD start-up entry"
  entry=$(run_entry)
  before=$(settings)
  start
  if ! e2e_wait_size "$W" 422 17 15 >/dev/null; then
    e2e_fail "fourth start: no laid-out window"
    return 1
  fi
  if ! panels=$(e2e_first_tick "$W" 10); then
    e2e_fail "fourth start: no first tick within 10 s (open boxes: $(open_dialogs | tr '\n' ' '))"
    return 1
  fi
  e2e_expect "fourth start: no box for a start-up entry that is not text" "$(open_dialogs)" ""
  e2e_expect "fourth start: Run at StartUp unchecked" "$(is_checked "$(menu_state "$RUN_ITEM")")" "unchecked"
  # Over panel 2, no button held: the settings are saved where they are.
  e2e_driver mouse-move $((141 + 70)) $((300 + 8))
  sleep 1
  e2e_park_pointer
  e2e_expect "fourth start: no box after a mouse movement" "$(open_dialogs)" ""
  expect_listing "fourth start: a mouse movement keeps every stored value" "$(settings)" "$before"
  exit_widget "fourth start"
  expect_listing "fourth start: Exit keeps every stored value" "$(settings)" "$before"
  e2e_expect "fourth start: the other program's entry is left alone" "$(run_entry)" "$entry"
}

# --- 5th start: a settings key nobody may open -------------------------------------

fifth_start() {
  local before box key=${SETTINGS_KEY#HKLM\\}
  before=$(settings)
  e2e_driver reg-access "$key" none || { e2e_fail "fifth start: cannot empty the key's access list"; return 1; }
  start
  if ! box=$(e2e_driver msgbox "$W" Error 20000); then
    e2e_fail "fifth start: no error box (open boxes: $(open_dialogs | tr '\n' ' '))"
    e2e_driver reg-access "$key" all
    return 1
  fi
  e2e_expect "fifth start: the unreadable key is reported" "$(box_text "$box")" "Failed to get data for 'Version'"
  e2e_driver msgbox-press "$W" Error OK >/dev/null || e2e_fail "fifth start: cannot answer the error box"
  e2e_wait_size "$W" 422 17 15 >/dev/null || e2e_fail "fifth start: no laid-out window"
  e2e_expect "fifth start: no notice" "$(open_dialogs)" ""
  # Start values put the window at 0,0: over panel 2, no button held.
  e2e_driver mouse-move $((141 + 70)) 8
  sleep 1
  e2e_expect "fifth start: no box for the saves of a mouse movement" "$(open_dialogs)" ""
  e2e_driver reg-access "$key" all || e2e_fail "fifth start: cannot give the key its access back"
  e2e_driver mouse-move $((141 + 60)) 9
  sleep 1
  e2e_park_pointer
  e2e_expect "fifth start: no box once the key opens" "$(open_dialogs)" ""
  expect_listing "fifth start: once the key opens every stored value is as it was" "$(settings)" "$before"
  exit_widget "fifth start"
}

# --- the package, unzipped where a user puts it -----------------------------------

package_start() {
  local zip=${WELMOR_PACKAGE_DIR:-$E2E_ROOT/dist}/Welmor-$FILE_VERSION-x64.zip exe='C:\Program Files\Welmor\Welmor.exe'
  [ -f "$zip" ] || { e2e_fail "package: $zip is missing (cmake --workflow --preset release makes it)"; return 1; }
  e2e_prefix settings-package winxp || return 1
  e2e_unmanaged_windows
  unzip -q "$zip" -d "$WINEPREFIX/drive_c/Program Files/Welmor" || { e2e_fail "package: cannot unzip $zip"; return 1; }
  e2e_park_pointer
  e2e_start "$exe"
  { e2e_driver msgbox "$W" Information 20000 && e2e_driver msgbox-press "$W" Information OK; } >/dev/null ||
    e2e_fail "package: no first-run notice to answer"
  e2e_first_tick "$W" 15 >/dev/null || { e2e_fail "package: the panels show no first tick within 15 s"; return 1; }
  e2e_pass "package: started from C:\Program Files\Welmor, the panels show"
  choose "$RUN_ITEM"
  e2e_expect "package: Run at StartUp writes the package's path" "$(run_entry_after "REG_SZ $exe")" "REG_SZ $exe"
  # Without real mouse input only commands save; a panel's content waits for
  # the next save, which Exit makes.
  e2e_park_pointer
  e2e_driver menu-click "$W" "&Panels/Windows Uptime" >/dev/null || e2e_fail "package: cannot choose Windows Uptime"
  e2e_expect "package: panel 1's new content not stored yet" "$(value_of "$(settings)" ContentPanels)" "REG_SZ 167"
  e2e_driver menu-click "$W" "E&xit" >/dev/null || e2e_fail "package: cannot choose E&xit"
  e2e_wait_exit "$E2E_APP_PID" 15
  e2e_expect "package: E&xit ends the program with status 0" "$?" "0"
  e2e_expect "package: Exit saves panel 1's new content" "$(value_of "$(settings)" ContentPanels)" "REG_SZ 967"
}

if e2e_prefix settings-winxp winxp; then
  e2e_unmanaged_windows
  first_start && second_start && third_start && fourth_start && fifth_start
fi
package_start
e2e_finish
