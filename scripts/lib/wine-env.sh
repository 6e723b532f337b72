# Shared by scripts/test, scripts/run and the e2e tests: a Wine prefix and a
# virtual X display. Source it; it defines functions only.

# welmor_wine_prefix DIR [VERSION]: makes DIR a ready Wine prefix (once) and
# sets the reported Windows version (default winxp).
welmor_wine_prefix() {
  local dir=$1 version=${2:-winxp}
  export WINEPREFIX=$dir WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  if [ ! -f "$dir/system.reg" ]; then
    mkdir -p "$dir"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
  wineserver -w
}

# welmor_start_xvfb: starts Xvfb on a free display unless DISPLAY works;
# exports DISPLAY and XVFB_PID (empty when an existing display is used).
welmor_start_xvfb() {
  XVFB_PID=
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

# welmor_winpath UNIXPATH: the same file as Wine sees it through drive Z:.
welmor_winpath() {
  local p
  p=$(readlink -f "$1")
  echo "Z:${p//\//\\}"
}
