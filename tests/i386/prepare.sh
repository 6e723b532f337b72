#!/bin/sh
# Runs once, at the image's first boot (the only boot that keeps its changes):
# makes the 32-bit Wine prefix every later boot starts from.
export HOME=/root WINEPREFIX=/root/.wine WINEARCH=win32 WINEDEBUG=-all \
       WINEDLLOVERRIDES='mscoree,mshtml=' DISPLAY=:90
Xvfb :90 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
for i in $(seq 300); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.2; done
wineboot -i && wineserver -w || exit 1
# Windows XP, as the host's prefixes (scripts/lib/wine-env.sh).
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f || exit 1
wineserver -w
touch /root/.wine/welmor-prepared
