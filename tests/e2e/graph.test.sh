#!/usr/bin/env bash
# The strip chart of Welmor.exe as it reaches the screen, under Wine on a
# virtual display: with both lines switched on in a settings key written
# beforehand (so there is no first-run notice), the window is 422 x 34; while
# one processor is kept busy for a few seconds, a screenshot shows the panels'
# red bars, the chart's black frame around a sky-blue strip and the red CPU
# line well inside the chart. The crop is kept as $WELMOR_BUILD_DIR/e2e-graph.png.
set -uo pipefail
. "$(dirname "$0")/lib.sh"

W=Welmor.exe
WIDTH=422
HEIGHT=34
PANEL_HEIGHT=17
BAR_ROW=14 # the middle row of the 3-pixel bars at rows 13..15
BUSY_SECONDS=6
SKY_BLUE='#A6CAF0'
RED='#FF0000'
YELLOW='#FFFF00'
BLACK='#000000'

e2e_init graph
if [ ! -f "$E2E_WELMOR" ]; then
  e2e_fail "$E2E_WELMOR is missing"
  e2e_finish
fi

# chart_row VALUE: the pixel row of a value in the widget's chart, whose
# lines put 98 on row 0 and 2 on row 17 (the chart's height); the exact
# quotient (98 - VALUE) * 17 / 96 taken to the nearest row, ties to even.
chart_row() {
  local num=$(((98 - $1) * PANEL_HEIGHT)) den=96 q r
  if [ "$num" -lt 0 ]; then
    echo -1
    return
  fi
  q=$((num / den))
  r=$((num % den))
  if [ $((2 * r)) -gt "$den" ] || { [ $((2 * r)) -eq "$den" ] && [ $((q % 2)) -eq 1 ]; }; then q=$((q + 1)); fi
  echo "$q"
}

# A key written by this very version (the file version of the build's
# resource script), so no notice comes up. Both chart
# lines on. The third panel shows the loaded RAM in percent instead of the
# clock: the chart's yellow line plots that same figure, and Wine derives it
# from /proc/meminfo in its own way, so the panel is the only sure source of
# where the line lies. CPU alarm 1 is on unless the key says otherwise; it
# would sound after ten busy ticks.
e2e_prefix graph-winxp winxp || e2e_finish
if ! e2e_seed_settings GraphCPU REG_DWORD 1 GraphRAM REG_DWORD 1 ContentPanels REG_SZ 163 CPUAlarm_1 REG_DWORD 0; then
  e2e_fail "cannot write the settings key"
  e2e_finish
fi

e2e_park_pointer >/dev/null
e2e_start "$E2E_WELMOR"
if ! e2e_driver wait-window "$W" 20000 >/dev/null; then
  e2e_fail "no window"
  e2e_finish
fi
# Laying the window out may follow its first showing by a moment.
info=
deadline=$((SECONDS + 15))
while :; do
  info=$(e2e_driver window-info "$W" 2>/dev/null)
  [ "$(e2e_field "$info" rect | cut -d' ' -f3-4)" = "$WIDTH $HEIGHT" ] && break
  [ "$SECONDS" -lt "$deadline" ] || break
  sleep 0.2
done
e2e_expect "window with the chart under the panels" "$(e2e_field "$info" rect | cut -d' ' -f3-4)" "$WIDTH $HEIGHT"
e2e_expect "no message box on a key of this version" "$(e2e_field "$info" visible_windows)" "1"
read -r left top _ <<<"$(e2e_field "$info" rect)"

# One processor busy (bounded, in case the kill below never comes), so the
# CPU line climbs off the bottom of the chart for a few ticks.
e2e_busy_start $((BUSY_SECONDS + 10))
sleep "$BUSY_SECONDS"

shot=$E2E_BUILD/e2e-graph.png
rm -f "$shot"
if ! e2e_screenshot "$shot" "${WIDTH}x${HEIGHT}+${left:-0}+${top:-0}"; then
  e2e_busy_stop
  e2e_fail "screenshot"
  e2e_finish
fi
e2e_busy_stop
panels=$(e2e_driver panels "$W" | awk -F'\t' '$4 == 0 && $7 == 1' | head -3)
e2e_expect "screenshot size" "$(identify -format '%wx%h' "$shot")" "${WIDTH}x${HEIGHT}"

# One line per pixel: X Y #RRGGBB.
pixels=$(convert "$shot" -depth 8 txt:- | sed -nE 's/^([0-9]+),([0-9]+):.*(#[0-9A-Fa-f]{6}).*/\1 \2 \3/p')

# count COLOUR X0 X1 Y0 Y1: pixels of COLOUR in the rectangle (inclusive).
count() {
  awk -v c="$1" -v x0="$2" -v x1="$3" -v y0="$4" -v y1="$5" \
    '$1 >= x0 && $1 <= x1 && $2 >= y0 && $2 <= y1 && toupper($3) == c { n++ } END { print n + 0 }' <<<"$pixels"
}
# chart_rows COLOUR X0 X1 Y0 Y1: the distinct rows holding COLOUR there, as
# rows of the chart (0 is its top edge), in a comma-separated list.
chart_rows() {
  awk -v c="$1" -v x0="$2" -v x1="$3" -v y0="$4" -v y1="$5" -v base="$PANEL_HEIGHT" \
    '$1 >= x0 && $1 <= x1 && $2 >= y0 && $2 <= y1 && toupper($3) == c && !seen[$2]++ {
       printf "%s%d", (n++ ? "," : ""), $2 - base }' <<<"$pixels"
}

# --- panels: each bar's middle row is red from its left end ----------------------
p3=$(sed -n 3p <<<"$panels" | cut -f8)
for k in 1 2 3; do
  x0=$(((k - 1) * 141))
  red=$(count "$RED" "$x0" $((x0 + 139)) "$BAR_ROW" "$BAR_ROW")
  if [ "$k" -eq 3 ] && [[ $p3 =~ ^Loaded\ RAM:\ 0\ %$ ]]; then continue; fi
  if [ "$red" -ge 3 ]; then
    e2e_pass "panel $k: red bar ($red pixels)"
  else
    e2e_fail "panel $k: red bar: $red red pixels on row $BAR_ROW"
  fi
done

# --- chart frame and background --------------------------------------------------
# Only the rightmost columns hold values after a few seconds, so the frame and
# the strip left of them are untouched by the lines.
top_row=$PANEL_HEIGHT
bottom_row=$((HEIGHT - 1))
e2e_expect "chart frame: top edge black" "$(count "$BLACK" 0 299 "$top_row" "$top_row")" "300"
e2e_expect "chart frame: bottom edge black" "$(count "$BLACK" 0 299 "$bottom_row" "$bottom_row")" "300"
e2e_expect "chart frame: left edge black" "$(count "$BLACK" 0 0 "$top_row" "$bottom_row")" "$PANEL_HEIGHT"
e2e_expect "chart frame: right edge black" \
  "$(count "$BLACK" $((WIDTH - 1)) $((WIDTH - 1)) "$top_row" "$bottom_row")" "$PANEL_HEIGHT"
e2e_expect "chart inside the frame sky blue" \
  "$(count "$SKY_BLUE" 1 299 $((top_row + 1)) $((bottom_row - 1)))" "$((299 * (PANEL_HEIGHT - 2)))"

# --- the CPU line ---------------------------------------------------------------
# A busy processor of two or more puts the line on row 8 or above; the first
# values (no reading yet, 0) sit on row 17 below the chart, and the climb from
# there crosses the middle rows too. Rows 2..14 keep clear of both edges.
red_rows=$(chart_rows "$RED" 1 $((WIDTH - 2)) $((top_row + 2)) $((top_row + 14)))
if [ -n "$red_rows" ]; then
  e2e_pass "CPU line inside the chart (red on chart rows $red_rows)"
else
  e2e_fail "CPU line inside the chart: no red on chart rows 2..14 (red on rows: $(chart_rows "$RED" 0 $((WIDTH - 1)) "$top_row" "$bottom_row"))"
fi

# --- the RAM line ---------------------------------------------------------------
# Yellow shows only when the load lifts the line into the chart: with lots of
# memory free the load is a few percent, which lies on row 16 (the bottom
# edge) or 17 (below the chart). Required only when the load shown by the
# third panel, give or take a percent for a change between ticks, puts it on
# rows 1..15.
if [[ $p3 =~ ^Loaded\ RAM:\ ([0-9]+)\ %$ ]]; then
  load=${BASH_REMATCH[1]}
  low=$(chart_row $((load + 1)))
  high=$(chart_row $((load > 0 ? load - 1 : 0)))
  if [ "$low" -ge 1 ] && [ "$high" -le 15 ]; then
    yellow=$(count "$YELLOW" 1 $((WIDTH - 2)) $((top_row + low)) $((top_row + high)))
    if [ "$yellow" -gt 0 ]; then
      e2e_pass "RAM line at a load of $load % (yellow on chart rows $(chart_rows "$YELLOW" 1 $((WIDTH - 2)) "$top_row" "$bottom_row"))"
    else
      e2e_fail "RAM line at a load of $load %: no yellow on chart rows $low..$high"
    fi
  else
    echo "note: RAM load $load % lies on chart row $(chart_row "$load"), outside the inner rows; yellow not required"
  fi
else
  e2e_fail "third panel shows no loaded RAM: '$p3'"
fi

e2e_finish
