#!/bin/bash
# Runs in the emulated 32-bit machine, from the share the host prepared
# (bin/: the 32-bit programs; update_server.py): the unit and Win32 tests
# under 32-bit Wine, then a smoke run of the 32-bit Welmor.exe driven by the
# 32-bit driver. Each step leaves NAME.log and NAME.rc in out/.
set -u
S=/share OUT=/share/out
export HOME=/root WINEPREFIX=/root/.wine WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
       DISPLAY=:90 LANG=C.UTF-8
up() { cut -d' ' -f1 /proc/uptime; }
say() { echo "[guest $(up)s] $*"; }
step() {  # step NAME CMD...: runs CMD, keeps its output and status
  local name=$1; shift
  say "$name"
  "$@" > "$OUT/$name.log" 2>&1
  echo $? > "$OUT/$name.rc"
  say "$name: status $(cat "$OUT/$name.rc")"
}
# -fbdir: the screen is a file (XWD), for a screenshot without more packages.
mkdir -p /tmp/fb
Xvfb :90 -screen 0 1280x1024x24 -fbdir /tmp/fb -nolisten tcp > /dev/null 2>&1 &
for i in $(seq 300); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.2; done
# Wine runs the programs from a local folder, not over 9p.
cp -r "$S/bin" /root/bin
winpath() { echo "Z:${1//\//\\}"; }

# The loopback interface, for the update check's local server (the machine
# has no network tools; SIOCGIFFLAGS, SIOCSIFFLAGS with IFF_UP).
python3 -c "import fcntl, socket, struct
s = socket.socket(); f = struct.unpack('16sh', fcntl.ioctl(s, 0x8913, struct.pack('16sh14x', b'lo', 0))[:18])[1]
fcntl.ioctl(s, 0x8914, struct.pack('16sh14x', b'lo', f | 1))"
mkdir -p /tmp/update
python3 "$S/update_server.py" /tmp/update > /tmp/update/port 2> /tmp/update/server.log &
for i in $(seq 100); do [ -s /tmp/update/port ] && break; sleep 0.2; done
export WELMOR_EXE=$(winpath /root/bin/Welmor.exe) WELMOR_UPDATE_HOST=127.0.0.1:$(head -1 /tmp/update/port) \
       WELMOR_UPDATE_ROOT=$(winpath /tmp/update)
step unit wine /root/bin/unit_tests.exe
step win32 wine /root/bin/win32_tests.exe
wineserver -w

# The smoke run: what only the running 32-bit program shows.
smoke() {
  local W=Welmor.exe key='HKLM\Software\Brannic\Welmor' fails=0 app one two values
  drv() { WELMOR_DRIVER_PATIENCE=5 timeout 600 wine /root/bin/welmor_driver.exe "$@"; }
  check() { if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: got '$2', expected '$3'"; fails=$((fails + 1)); fi; }
  wine /root/bin/Welmor.exe & app=$!
  # A program busy starting under emulation may not answer the driver's
  # reading of the box at once.
  local shown=1
  for _ in 1 2 3 4 5; do drv msgbox $W Information 600000 > /dev/null && { shown=0; break; }; sleep 10; done
  check "the first-start notice shows" $shown 0
  drv msgbox-press $W Information OK 60000 > /dev/null; check "the notice is answered" $? 0
  drv wait-window $W 300000 > /dev/null; check "the widget shows" $? 0
  # The window shows before its panels are laid out: wait for the three.
  for _ in $(seq 30); do
    one=$(drv panels $W)
    [ "$(grep -c WelmorLabel <<<"$one")" = 3 ] && break
    sleep 2
  done
  sleep 3
  two=$(drv panels $W)
  check "three panels" "$(grep -c WelmorLabel <<<"$one")" 3
  [ -n "$one" ] && [ "$one" != "$two" ]; check "the panels refresh (clock)" $? 0
  echo "$two"
  cp /tmp/fb/Xvfb_screen0 "$OUT/widget.xwd"
  check "the menu reads" "$(drv menu $W | tr -d '&' | grep -c 'Misc./Sticky window')" 1
  drv menu-click $W "&Misc./Sticky window" > /dev/null; check "Sticky window is chosen" $? 0
  drv menu-click $W "E&xit" > /dev/null; check "E&xit is chosen" $? 0
  drv wait-exit $W 300000 > /dev/null
  wait $app; check "Welmor ends with status 0" $? 0
  values=$(wine reg query "$key" 2> /dev/null | tr -d '\r')
  check "the settings saved" "$(grep -c '    REG_' <<<"$values")" 27
  check "Sticky window saved on" "$(awk '$1 == "Sticky" { print $3 }' <<<"$values")" 0x1
  echo "$fails failed"
  return $((fails > 0))
}
step e2e smoke
wineserver -k
say done
