#!/usr/bin/env bash
# Runs the bare widget (bench/bare) and one or more builds of Welmor.exe side
# by side under Wine and Xvfb, each in a prefix of its own, over the same
# window of time, and prints for each process the CPU it used (milliseconds,
# summed over its threads from the scheduler's own accounting, which is exact
# where the 1/100 s ticks of /proc/PID/stat are samples), the CPU its
# prefix's wineserver used, and its resident set at the end, with the ratios
# to the bare widget: their medians, and each round's CPU and resident-set
# ratio with the worst of them.
# Usage: bench/side_by_side.sh [--seconds N] [--rounds R] [--alone] [--chart]
#                              [--maps DIR] [WELMOR.EXE...]
#   --seconds N  length of the measured window (default 120), after 20 s of
#                settling
#   --rounds R   measure R times and print the median (default 1)
#   --alone      run each program on its own, one after the other, the order
#                turned each round: on two cores, programs whose ticks come
#                at the same moment slow each other down by more than the
#                differences being measured
#   --chart      Welmor with both chart lines on
#   --maps DIR   keeps each program's /proc/PID/maps and smaps of every round
#                in DIR (ROUND-NAME.maps, .smaps), to tell what a start with
#                a larger resident set mapped
#   default exe: build/win64/Welmor.exe; the bare widget comes from
#   build/win64/bare_widget.exe ($WELMOR_BUILD_DIR instead of build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/wine-env.sh"

seconds=120
rounds=1
alone=0
chart=0
maps=
exes=()
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --chart) chart=1; shift ;;
    --rounds) rounds=$2; shift 2 ;;
    --alone) alone=1; shift ;;
    --maps) maps=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
    *) exes+=("$(readlink -f "$1")"); shift ;;
  esac
done
build=${WELMOR_BUILD_DIR:-$root/build}
[ ${#exes[@]} -gt 0 ] || exes=("$(readlink -f "$build/win64/Welmor.exe")")
bare=$(readlink -f "$build/win64/bare_widget.exe")
version=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$root/res/welmor.rc")
for exe in "$bare" "${exes[@]}"; do [ -f "$exe" ] || { echo "missing: $exe" >&2; exit 1; }; done

work=$(mktemp -d)
prefixes=()
cleanup() {
  local p
  for p in "${prefixes[@]}"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
welmor_start_xvfb

# Each program gets a copy of the exe under its own name, so that its
# process is told apart from the others' by its command line.
names=(bare)
programs=("$bare")
for i in "${!exes[@]}"; do
  names+=("welmor$((i + 1))")
  programs+=("${exes[$i]}")
done
commands=()
for i in "${!names[@]}"; do
  prefix=$work/${names[$i]}
  prefixes+=("$prefix")
  welmor_wine_prefix "$prefix" winxp >/dev/null 2>&1
  WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  if [ "$i" -gt 0 ]; then
    # Settings of this version already stored: no first-run notice.
    key='HKLM\Software\Brannic\Welmor'
    WINEPREFIX=$prefix wine reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add "$key" /v PTop /t REG_DWORD /d $((40 * i)) /f >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add "$key" /v GraphCPU /t REG_DWORD /d "$chart" /f >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add "$key" /v GraphRAM /t REG_DWORD /d "$chart" /f >/dev/null 2>&1
    # No alarms, as the bare widget has none: CPU alarm 1 (on by default)
    # sounds when the machine is busy, and the first sound loads the
    # system's whole audio stack (8.5 MiB more resident under Wine).
    WINEPREFIX=$prefix wine reg add "$key" /v CPUAlarm_1 /t REG_DWORD /d 0 /f >/dev/null 2>&1
  fi
  WINEPREFIX=$prefix wineserver -w
  cp "${programs[$i]}" "$prefix/${names[$i]}.exe"
  commands+=("$prefix/${names[$i]}.exe")
done
# pid_of COMMAND: the Windows process started as COMMAND.
pid_of() {
  local pid
  for _ in $(seq 1 150); do
    pid=$(pgrep -fx "$1" | head -1 || true)
    [ -n "$pid" ] && { echo "$pid"; return 0; }
    sleep 0.2
  done
  return 1
}
# server_of PREFIX: the wineserver running for PREFIX.
server_of() {
  local p
  for p in $(pgrep "^wineserver"); do
    if tr '\0' '\n' 2>/dev/null <"/proc/$p/environ" | grep -qx "WINEPREFIX=$1"; then
      echo "$p"
      return 0
    fi
  done
  return 1
}
# cpu_ms PID: CPU time the process's threads have run, in milliseconds.
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%d", ns / 1000000 }'; }
rss_mib() { awk '/VmRSS/ { printf "%.1f", $2 / 1024 }' "/proc/$1/status"; }

# measure ROUND I...: starts the programs I together, lets them settle for
# 20 s, measures them over the same $seconds and stops them; appends
# "ROUND I CPU SERVER RSS" lines to $work/figures.
measure() {
  local round=$1
  shift
  local i pids=() servers=() cpu0=() srv0=()
  for i in "$@"; do
    WINEPREFIX=${prefixes[$i]} WINEDEBUG=-all wine "${commands[$i]}" >/dev/null 2>&1 &
  done
  for i in "$@"; do
    pids[i]=$(pid_of "${commands[$i]}") || { echo "${names[$i]} did not start" >&2; exit 1; }
    servers[i]=$(server_of "${prefixes[$i]}" || echo "")
  done
  sleep 20
  for i in "$@"; do
    cpu0[i]=$(cpu_ms "${pids[$i]}")
    srv0[i]=$([ -n "${servers[$i]}" ] && cpu_ms "${servers[$i]}" || echo 0)
  done
  sleep "$seconds"
  for i in "$@"; do
    local srv=0
    [ -n "${servers[$i]}" ] && srv=$(($(cpu_ms "${servers[$i]}") - srv0[i]))
    echo "$round $i $(($(cpu_ms "${pids[$i]}") - cpu0[i])) $srv $(rss_mib "${pids[$i]}")" >>"$work/figures"
    if [ -n "$maps" ]; then
      cp "/proc/${pids[$i]}/maps" "$maps/$round-${names[$i]}.maps"
      cp "/proc/${pids[$i]}/smaps" "$maps/$round-${names[$i]}.smaps"
    fi
  done
  for i in "$@"; do WINEPREFIX=${prefixes[$i]} wineserver -k 2>/dev/null || true; done
  sleep 1
}

all=("${!names[@]}")
for round in $(seq 1 "$rounds"); do
  # The order turned by one each round: the programs' ticks come in the order
  # they started, and the first and the last of them pay differently.
  order=()
  for k in "${!all[@]}"; do order+=("${all[$(((k + round - 1) % ${#all[@]}))]}"); done
  if [ "$alone" -eq 1 ]; then
    for i in "${order[@]}"; do measure "$round" "$i"; done
  else
    measure "$round" "${order[@]}"
  fi
done

printf '%s s %s, %s round(s)%s; CPU in ms (median), resident set in MiB\n' "$seconds" \
  "$([ "$alone" -eq 1 ] && echo "each alone" || echo "side by side")" "$rounds" \
  "$([ "$chart" -eq 1 ] && echo ", Welmor with both chart lines" || echo ", no chart")"
printf '%-10s %8s %10s %8s   %-24s %s\n' program cpu wineserver rss "cpu per round" exe
# median I COLUMN: the median of one program's figures in that column.
median() { awk -v i="$1" -v c="$2" '$2 == i { print $c }' "$work/figures" | sort -n |
  awk '{ v[NR] = $1 } END { printf "%s", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# per_round I COLUMN: each round's figure of program I in that column over
# the bare widget's of the same round, and the worst (highest) of them.
per_round() {
  awk -v i="$1" -v c="$2" '$2 == 0 { base[$1] = $c } $2 == i { v[$1] = $c }
    END { for (r = 1; r in v; ++r) { x = base[r] > 0 ? v[r] / base[r] : 0; printf "%s%.2f", sep, x; sep = " "
          if (x > worst) worst = x }
          printf "  (worst %.2fx)", worst }' "$work/figures"
}
base_cpu=
base_rss=
for i in "${!names[@]}"; do
  cpu=$(median "$i" 3)
  srv=$(median "$i" 4)
  rss=$(median "$i" 5)
  each=$(awk -v i="$i" '$2 == i { printf "%s%s", sep, $3; sep = " " }' "$work/figures")
  ratio=
  if [ "$i" -eq 0 ]; then
    base_cpu=$cpu
    base_rss=$rss
  else
    ratio=$(awk -v c="$cpu" -v bc="$base_cpu" -v r="$rss" -v br="$base_rss" \
      'BEGIN { printf "  (cpu %.2fx, rss %.2fx)", (bc > 0 ? c / bc : 0), (br > 0 ? r / br : 0) }')
  fi
  printf '%-10s %8s %10s %8s   %-24s %s%s\n' "${names[$i]}" "$cpu" "$srv" "$rss" "$each" "${programs[$i]}" "$ratio"
done
for i in "${!names[@]}"; do
  [ "$i" -eq 0 ] && continue
  printf '%-10s cpu ratio per round: %s\n' "${names[$i]}" "$(per_round "$i" 3)"
  printf '%-10s rss ratio per round: %s\n' "${names[$i]}" "$(per_round "$i" 5)"
  printf '%-10s rss per round (MiB): %s\n' "${names[$i]}" \
    "$(awk -v i="$i" '$2 == i { printf "%s%s", sep, $5; sep = " " }' "$work/figures")"
done
