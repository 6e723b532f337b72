#!/usr/bin/env bash
# Runs Welmor.exe under Wine and Xvfb for a while at the default refresh and
# reports the CPU time and working set of its process, read from /proc.
# Usage: bench/widget_soak.sh [SECONDS] [EXE]   (default 600 s, build/win64/Welmor.exe)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/lib/wine-env.sh"
seconds=${1:-600}
exe=$(readlink -f "${2:-$root/build/win64/Welmor.exe}")
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null; rm -rf "$work"' EXIT

welmor_wine_prefix "$work/prefix" winxp
# Settings of this version already stored: no first-run notice to answer.
wine reg add 'HKLM\Software\Brannic\Welmor' /v Version /d 3.9.5.15 /f >/dev/null 2>&1
wineserver -w
welmor_start_xvfb

wine "$exe" &
# The Windows process is the one whose command line is the exe path alone.
pid=
for _ in $(seq 1 100); do
  pid=$(pgrep -fx "$exe" | head -1 || true)
  [ -n "$pid" ] && break
  sleep 0.2
done
[ -n "$pid" ] || { echo "Welmor.exe did not start" >&2; exit 1; }

ticks=$(getconf CLK_TCK)
sample() {  # prints "cpu_seconds rss_kib"
  local stat rss
  stat=$(cut -d' ' -f14,15 "/proc/$pid/stat")
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  awk -v s="$stat" -v t="$ticks" -v r="$rss" 'BEGIN {split(s, a, " "); printf "%.2f %d\n", (a[1] + a[2]) / t, r}'
}
sleep 20
read -r cpu0 rss0 < <(sample)
echo "after 20 s: cpu ${cpu0} s, working set ${rss0} KiB"
sleep "$((seconds - 20))"
read -r cpu1 rss1 < <(sample)
echo "after ${seconds} s: cpu ${cpu1} s, working set ${rss1} KiB"
awk -v c0="$cpu0" -v c1="$cpu1" -v s="$seconds" \
  'BEGIN {printf "steady cost: %.3f%% of one core (%.1f ms CPU per second)\n", (c1 - c0) * 100 / (s - 20), (c1 - c0) * 1000 / (s - 20)}'
