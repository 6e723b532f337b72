#!/usr/bin/env bash
# The context menu of Welmor.exe as a user meets it, under Wine on a virtual
# display: the alarm and option items with the first-run settings (captions,
# marks, disabled items, access keys), opened centred on the click point; the
# "&Alarms" sub-menu on screen (kept as $WELMOR_BUILD_DIR/e2e-menu-alarms.png);
# the refresh interval, a colour and the graphs changed through the menu and
# its dialogs, answered as a user would; then the menu, the registry and the
# screen read back, and again after a restart.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
TAB=$'\t'
SETTINGS_KEY='HKLM\Software\Brannic\Welmor'
BOX_CAPTION='Welmor  v3.9 (Build: 5.15)'
TOO_BIG='Refresh interval is too big, therefor refresh interval was set to 1 second.'
# As the driver prints texts: a carriage return and line feed escaped.
BG_REFUSAL='            Selected color is the same as text color,\r\nso, you won`t be able to see the text, so select other color!'
SKY_BLUE=A6CAF0
# The background picked below: red 200, green 100, blue 50.
PICKED=C86432
PICKED_DWORD=$((0x3264C8))
CLICK_X=211 # where the menu is opened, in the window
CLICK_Y=8
# Edit boxes of the standard colour dialog.
RED_EDIT=706
GREEN_EDIT=707
BLUE_EDIT=708

e2e_init menu
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

registry_dword() { e2e_reg_values "$SETTINGS_KEY" | awk -F'\t' -v n="$1" '$1 == n { print $3 }'; }

# menu_lines: the open-and-close listing as "DEPTH TYPE STATE PATH" with the
# access-key markers taken out.
menu_lines() {
  e2e_driver menu "$W" --at $CLICK_X $CLICK_Y | awk -F'\t' '{ gsub(/&/, "", $5); print $1, $2, $3, $5 }'
}

# pixel X Y: the colour at a point of the window, as RRGGBB.
pixel() {
  local rect left top
  rect=$(e2e_field "$(e2e_driver window-info "$W")" rect)
  read -r left top _ <<<"$rect"
  import -window root -crop "1x1+$((left + $1))+$((top + $2))" +repage -depth 8 txt:- |
    sed -nE 's/.*#([0-9A-Fa-f]{6}).*/\1/p' | tr a-f A-F
}

# answer_input CAPTION TEXT: the input box's prompt and text, then TEXT typed
# over its text and OK pressed.
answer_input() {
  local box
  box=$(e2e_driver dialog "$W" "$1" 10000) || { e2e_fail "no input box \"$1\""; return 1; }
  sed -nE "s/^(100|101)${TAB}[A-Za-z]+${TAB}1${TAB}//p" <<<"$box" | paste -sd'|'
  e2e_driver dialog-type "$W" "$1" 101 "$2" >/dev/null || e2e_fail "cannot type \"$2\" into \"$1\""
  e2e_driver msgbox-press "$W" "$1" OK >/dev/null || e2e_fail "cannot press OK in \"$1\""
}

# colour_dialog: the colour the open dialog starts with, as "R G B".
colour_dialog() {
  e2e_driver dialog "$W" Color 10000 |
    awk -F'\t' -v r=$RED_EDIT -v g=$GREEN_EDIT -v b=$BLUE_EDIT \
      '$1 == r { R = $4 } $1 == g { G = $4 } $1 == b { B = $4 } END { print R, G, B }'
}

# pick_colour R G B: the custom colour typed in, as a user defines one, and OK.
pick_colour() {
  e2e_driver dialog-click "$W" Color "&Define Custom Colors >>" >/dev/null || e2e_fail "no custom colours"
  e2e_driver dialog-type "$W" Color $RED_EDIT "$1" >/dev/null &&
    e2e_driver dialog-type "$W" Color $GREEN_EDIT "$2" >/dev/null &&
    e2e_driver dialog-type "$W" Color $BLUE_EDIT "$3" >/dev/null || e2e_fail "cannot type $1 $2 $3"
  e2e_driver msgbox-press "$W" Color OK >/dev/null || e2e_fail "cannot close the colour dialog"
}

# choose PATH: a menu command, chosen with the keyboard.
choose() { e2e_driver menu-click "$W" "$1" --at $CLICK_X $CLICK_Y >/dev/null || e2e_fail "cannot choose $1"; }

e2e_prefix menu winxp || e2e_finish
e2e_unmanaged_windows
e2e_park_pointer
e2e_start "$E2E_WELMOR"
e2e_driver msgbox-press "$W" Information OK 20000 >/dev/null || e2e_fail "no language notice"
e2e_wait_size "$W" 422 17 10 >/dev/null || e2e_fail "no 422 x 17 window"
e2e_first_tick "$W" 10 >/dev/null || e2e_fail "the panels were not filled"

# --- the menu with the first-run settings ----------------------------------------
# Items, not separators, of the sub-menus whose captions the settings make;
# then the top level's separators, the last two disabled. A new option may
# come between them; none of these changes.
expected=$(
  cat <<'EOF'
1 item - Alarms/CPU Alarm 1 [ Off ]
1 item - Alarms/CPU Usage >  ( 50% ) ...
1 item - Alarms/Query Interval  ( 10s ) ...
1 item - Alarms/CPU Alarm 2 [ Off ]
1 item - Alarms/CPU Usage <  ( 50% ) ...
1 item - Alarms/Query Interval  ( 10s ) ...
1 item - Alarms/RAM Alarm 1 [ Off ]
1 item - Alarms/RAM Load >  ( 50% ) ...
1 item - Alarms/Query Interval  ( 10s ) ...
1 item - Alarms/RAM Alarm 2 [ Off ]
1 item - Alarms/RAM Load <  ( 50% ) ...
1 item - Alarms/Query Interval  ( 10s ) ...
1 item - Misc./Run at StartUp
1 item - Misc./Sticky window
1 item checked Misc./Show processes
1 item - Misc./Refresh  (1 sec) ...
1 item disabled Misc./Check for updates [ on StartUp ]
1 item checked Misc./Save window position
0 separator - -|0 separator - -|0 separator - -|0 separator - -|0 separator disabled -|0 separator disabled -
EOF
)
listing=$(e2e_driver menu "$W" --at $CLICK_X $CLICK_Y) || e2e_fail "the menu could not be read"
plain=$(awk -F'\t' '{ gsub(/&/, "", $5); print $1, $2, $3, $5 }' <<<"$listing")
e2e_expect_in_order "alarm and option items, top-level separators" \
  "$(grep -E '^1 item [^ ]+ (Alarms|Misc\.)/' <<<"$plain"; grep '^0 separator' <<<"$plain" | paste -sd'|')" \
  "$expected"
e2e_expect "access keys of the top level" \
  "$(awk -F'\t' '$1 == 0 && $2 != "separator" { printf "%s|", $5 }' <<<"$listing")" \
  "&Panels|&Graphs|&Alarms|&Colors|&Misc.|&History|A&bout|E&xit|"
e2e_expect_in_order "access keys given when the menu opens" \
  "$(awk -F'\t' '$1 == 1 && index($5, "&Misc./") == 1 { print substr($5, 8) }' <<<"$listing")" \
  "$(tr '|' '\n' <<<"&Run at StartUp|&Sticky window|Show &processes|Refresh  (&1 sec) ...|&Check for updates [ on StartUp ]|Save &window position")"

# --- centred on the click point, and the "&Alarms" sub-menu on screen ---------------
read -r win_left win_top _ <<<"$(e2e_field "$(e2e_driver window-info "$W")" rect)"
if e2e_driver menu-show "$W" "&Alarms" --at $CLICK_X $CLICK_Y >/dev/null; then
  menus=$(e2e_driver windows "$W" | awk -F'\t' '$2 == "#32768" && $3 == 1')
  # The top-level menu is the one further left; the sub-menu opens beside it.
  read -r m_left m_top m_width _ <<<"$(sort -t"$TAB" -k4,4n <<<"$menus" | head -1 | cut -f4-7 | tr '\t' ' ')"
  e2e_expect "the menu is centred on the click point" "$(((2 * m_left + m_width) / 2))" "$((win_left + CLICK_X))"
  e2e_expect "the menu opens at the click point's height" "$m_top" "$((win_top + CLICK_Y))"
  bounds=$(awk -F'\t' 'NR == 1 { l = $4; t = $5; r = $4 + $6; b = $5 + $7 }
    { if ($4 < l) l = $4; if ($5 < t) t = $5; if ($4 + $6 > r) r = $4 + $6; if ($5 + $7 > b) b = $5 + $7 }
    END { print l, t, r, b }' <<<"$menus")
  read -r left top right bottom <<<"$bounds"
  left=$((left < win_left ? left : win_left))
  top=$((top < win_top ? top : win_top))
  right=$((right > win_left + 422 ? right : win_left + 422))
  shot=$E2E_BUILD/e2e-menu-alarms.png
  rm -f "$shot"
  e2e_screenshot "$shot" "$((right - left + 8))x$((bottom - top + 8))+$((left - 4))+$((top - 4))" ||
    e2e_fail "screenshot of the open menu"
  e2e_expect "two menus on screen" "$(wc -l <<<"$menus")" "2"
  e2e_driver menu-close "$W" >/dev/null || e2e_fail "the menu does not close"
else
  e2e_fail "cannot open the &Alarms sub-menu"
fi

# --- the refresh interval -----------------------------------------------------------
choose "&Misc./Refresh  (1 sec) ..."
e2e_expect "refresh dialog: prompt and current interval" "$(answer_input 'Refresh after ...' 61)" \
  "Set refresh interval: (in seconds)|1"
box=$(e2e_driver msgbox "$W" "$BOX_CAPTION" 10000) || e2e_fail "no \"too big\" box"
e2e_expect "61 seconds are too many" "$(sed -n "s/^text${TAB}//p" <<<"$box")" "$TOO_BIG"
e2e_driver msgbox-press "$W" "$BOX_CAPTION" OK >/dev/null
choose "&Misc./Refresh  (1 sec) ..."
answer_input 'Refresh after ...' 5 >/dev/null
sleep 0.5
e2e_expect "Interval stored" "$(registry_dword Interval)" "5"
e2e_expect "the menu shows the new interval" "$(menu_lines | grep -c '^1 item - Misc./Refresh  (5 sec) ...$')" "1"

# --- colours ------------------------------------------------------------------------
choose "&Colors/Background"
e2e_expect "the colour dialog starts black" "$(colour_dialog)" "0 0 0"
pick_colour 0 0 0
box=$(e2e_driver msgbox "$W" Error 10000) || e2e_fail "no refusal of a black background"
e2e_expect "a background like the text is refused" "$(sed -n "s/^text${TAB}//p" <<<"$box")" "$BG_REFUSAL"
e2e_driver msgbox-press "$W" Error OK >/dev/null
e2e_expect "the refused colour is not stored" "$(registry_dword ColorBG)" "15780518"
e2e_expect "the panels stay sky blue" "$(pixel 3 3)" "$SKY_BLUE"

choose "&Colors/Background"
pick_colour 200 100 50
sleep 0.5
e2e_expect "the picked background is stored" "$(registry_dword ColorBG)" "$PICKED_DWORD"
e2e_expect "panel 1 shows the picked background" "$(pixel 3 3)" "$PICKED"
e2e_expect "panel 3 shows the picked background" "$(pixel 285 3)" "$PICKED"

choose "&Colors/Text"
e2e_expect "the colour dialog starts with the last pick" "$(colour_dialog)" "200 100 50"
e2e_driver msgbox-press "$W" Color Cancel >/dev/null || e2e_fail "cannot cancel the colour dialog"
sleep 0.5
e2e_expect "a cancelled pick keeps the text colour" "$(registry_dword ColorT)" "0"

# --- graphs ---------------------------------------------------------------------------
choose "&Graphs/CPU Usage (red)"
e2e_wait_size "$W" 422 34 10 >/dev/null || e2e_fail "the CPU graph did not make the window 34 high"
e2e_expect "GraphCPU stored" "$(registry_dword GraphCPU)/$(registry_dword GraphRAM)" "1/0"
e2e_expect "graph marks" "$(menu_lines | grep '^1 item [^ ]* Graphs/' | cut -d' ' -f3- | paste -sd'|')" \
  "checked Graphs/Active|checked Graphs/CPU Usage (red)|- Graphs/RAM Usage (yellow)"
e2e_expect "the chart's strip has the picked background" "$(pixel 200 19)" "$PICKED"
choose "&Graphs/Active"
e2e_wait_size "$W" 422 17 10 >/dev/null || e2e_fail "Active did not take the graph away"
e2e_expect "Active with one graph on turns both off" "$(registry_dword GraphCPU)/$(registry_dword GraphRAM)" "0/0"

# --- after a restart ------------------------------------------------------------------
choose "E&xit"
e2e_wait_exit "$E2E_APP_PID" 15
e2e_expect "Exit ends with status 0" "$?" "0"
e2e_start "$E2E_WELMOR"
e2e_wait_size "$W" 422 17 20 >/dev/null || e2e_fail "no window after the restart"
e2e_first_tick "$W" 10 >/dev/null || e2e_fail "the panels were not filled after the restart"
e2e_expect "after a restart: the stored background" "$(pixel 3 3)" "$PICKED"
e2e_expect "after a restart: the stored interval" "$(menu_lines | grep -c '^1 item - Misc./Refresh  (5 sec) ...$')" "1"
choose "E&xit"
e2e_wait_exit "$E2E_APP_PID" 15

e2e_finish
