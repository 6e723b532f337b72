#!/bin/sh
# Runs once, at the image's first boot (the only boot that keeps its changes):
# makes the 32-bit Wine prefix every later boot starts from.
export HOME=/root WINEPREFIX=/root/.wine WINEARCH=win32 WINEDEBUG=-all \
       WINEDLLOVERRIDES='mscoree,mshtml=' DISPLAY=:90
Xvfb :90 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
for i in $(seq 300); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
# Emulated on a busy host, the first boot can outlast wineboot's own wait for
# the boot event (five minutes): wineboot then fails while the prefix is still
# being made behind it. So wait for that, judge the prefix by its files, and
# update it once more if they are missing.
wineboot -i; wineserver -w
for i in 1 2; do
  [ -f /root/.wine/system.reg ] && [ -f /root/.wine/drive_c/windows/system32/shell32.dll ] && break
  wineboot -u; wineserver -w
done
[ -f /root/.wine/drive_c/windows/system32/shell32.dll ] || exit 1
# Windows XP, as the host's prefixes (scripts/lib/wine-env.sh).
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f || exit 1
wineserver -w
touch /root/.wine/welmor-prepared
