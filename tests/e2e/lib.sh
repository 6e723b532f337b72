# shellcheck shell=bash
# Shared by the end-to-end tests (tests/e2e/*.test.sh); source it, then call
# e2e_init NAME first and e2e_finish last.
#
# Each test gets fresh Wine prefixes under $WELMOR_BUILD_DIR/e2e (cloned from
# a pristine template, so a prefix costs a second, not a full wineboot), a
# virtual X display, and clean-up on exit: every prefix's wineserver is
# killed and a display the test started is stopped.
#
# The driver (welmor_driver.exe) prints one record a line, fields split by
# tabs, texts escaped (\\ \t \r \n); run it with e2e_driver. Checks report
# "ok: ..." or "FAIL: ..." and are counted; e2e_finish exits non-zero when any
# failed.

E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=scripts/lib/wine-env.sh
. "$E2E_ROOT/scripts/lib/wine-env.sh"

E2E_BUILD=${WELMOR_BUILD_DIR:-$E2E_ROOT/build}
mkdir -p "$E2E_BUILD"
E2E_BUILD=$(cd "$E2E_BUILD" && pwd)
E2E_TOOLS=$E2E_BUILD/win64/tests/e2e
E2E_DRIVER=$E2E_TOOLS/welmor_driver.exe
E2E_FIXTURE=$E2E_TOOLS/welmor_fixture.exe
E2E_LISTING=$E2E_TOOLS/welmor_listing.exe
# WELMOR_E2E_EXE runs the Welmor tests against another build of Welmor.exe.
E2E_WELMOR=${WELMOR_E2E_EXE:-$E2E_BUILD/win64/Welmor.exe}
E2E_WORK=$E2E_BUILD/e2e

E2E_NAME=
E2E_FAILED=0
E2E_CHECKS=0
E2E_PREFIXES=()
E2E_APP_PID=

# --- checks ------------------------------------------------------------------

e2e_pass() {
  E2E_CHECKS=$((E2E_CHECKS + 1))
  echo "ok: $*"
}

e2e_fail() {
  E2E_CHECKS=$((E2E_CHECKS + 1))
  E2E_FAILED=$((E2E_FAILED + 1))
  echo "FAIL: $*"
}

# e2e_expect WHAT ACTUAL EXPECTED
e2e_expect() {
  if [ "$2" == "$3" ]; then e2e_pass "$1"; else e2e_fail "$1: got '$2', expected '$3'"; fi
}

# e2e_expect_in_order WHAT ACTUAL EXPECTED: every line of EXPECTED is a line
# of ACTUAL, in the same order; lines added between them do not count.
e2e_expect_in_order() {
  local missing
  missing=$(awk 'NR == FNR { want[++n] = $0; next }
    i < n && $0 == want[i + 1] { i++ }
    END { if (i < n) print want[i + 1] }' <(printf '%s\n' "$3") <(printf '%s\n' "$2"))
  if [ -z "$missing" ]; then e2e_pass "$1"; else e2e_fail "$1: missing or out of order: '$missing' in '$2'"; fi
}

# e2e_expect_match WHAT ACTUAL REGEX (bash ERE)
e2e_expect_match() {
  if [[ $2 =~ $3 ]]; then e2e_pass "$1"; else e2e_fail "$1: '$2' does not match /$3/"; fi
}

# e2e_field TEXT KEY: the value of a "key value" line (window-info, wait-window).
e2e_field() {
  sed -n "s/^$2 //p" <<<"$1" | head -1
}

# --- set-up and clean-up -----------------------------------------------------

# e2e_init NAME: checks that the tools are built, starts the display and
# installs the clean-up.
e2e_init() {
  E2E_NAME=$1
  local f
  for f in "$E2E_DRIVER" "$E2E_TOOLS/welmor_probe.dll" "$E2E_FIXTURE" "$E2E_LISTING"; do
    if [ ! -f "$f" ]; then
      echo "FAIL: $f is missing; build the win64 preset into $E2E_BUILD/win64 first"
      exit 1
    fi
  done
  mkdir -p "$E2E_WORK"
  rm -f "$E2E_WORK/$E2E_NAME"-*.log "$E2E_WORK/$E2E_NAME-failed.png"
  trap e2e_cleanup EXIT
  welmor_start_xvfb || { echo "FAIL: no X display"; exit 1; }
}

e2e_cleanup() {
  local prefix
  e2e_busy_stop
  for prefix in "${E2E_PREFIXES[@]}"; do
    WINEPREFIX=$prefix wineserver -k 2>/dev/null
  done
  if [ -n "${XVFB_PID:-}" ]; then kill "$XVFB_PID" 2>/dev/null; fi
}

# The template prefix: made once by wineboot and never run in, so that a
# clone of it is what a fresh wineboot would give. A new Wine makes a new one.
_e2e_template() {
  local template=$E2E_WORK/template stamp wine_version
  stamp=$template/.e2e-wine-version
  wine_version=$(wine --version 2>/dev/null)
  (
    flock 9
    if [ ! -f "$template/system.reg" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wine_version" ]; then
      rm -rf "$template"
      welmor_wine_prefix "$template" winxp
      echo "$wine_version" >"$stamp"
    fi
  ) 9>"$E2E_WORK/template.lock"
  echo "$template"
}

# _e2e_clone FROM TO REL: copies the prefix FROM to TO; the system folder
# (nine tenths of the size, never written) is hard-linked. The "wineserver"
# file names the template's server socket folder and is left behind.
_e2e_clone() {
  local from=$1 to=$2 rel=$3 entry name
  mkdir -p "$to$rel"
  for entry in "$from$rel"/* "$from$rel"/.[!.]*; do
    [ -e "$entry" ] || [ -L "$entry" ] || continue
    name=${entry##*/}
    case "$rel/$name" in
      /wineserver) ;;
      /drive_c | /drive_c/windows) _e2e_clone "$from" "$to" "$rel/$name" ;;
      /drive_c/windows/system32) cp -al "$entry" "$to$rel/" ;;
      *) cp -a "$entry" "$to$rel/" ;;
    esac
  done
}

# e2e_prefix NAME VERSION: a fresh prefix $E2E_WORK/NAME reporting VERSION
# (winxp, win2k, win2003, win7), exported as WINEPREFIX. The previous
# prefix's programs are ended first.
e2e_prefix() {
  local dir=$E2E_WORK/$1 version=$2 template
  if [ ${#E2E_PREFIXES[@]} -gt 0 ]; then wineserver -k 2>/dev/null; fi
  template=$(_e2e_template)
  rm -rf "$dir"
  _e2e_clone "$template" "$dir" ""
  export WINEPREFIX=$dir WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  E2E_PREFIXES+=("$dir")
  wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1 ||
    { e2e_fail "cannot set Windows version $version in $dir"; return 1; }
}

# e2e_unmanaged_windows: tells Wine's X11 driver of the current prefix that
# no window manager looks after its windows, which is the truth on Xvfb.
# Otherwise every hiding of a window it counts as managed (a program's
# application window, a widget at its end) waits two seconds for a window
# manager to withdraw it. Window styles and positions, as programs see them,
# stay the same.
e2e_unmanaged_windows() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
    e2e_fail "cannot switch off window management in $WINEPREFIX"
}

# --- programs ------------------------------------------------------------------

# e2e_start EXE [ARGS...]: starts a Windows program in the background; its
# wine process id (for e2e_wait_exit) is left in E2E_APP_PID.
e2e_start() {
  local log
  log=$E2E_WORK/$E2E_NAME-$(basename "$1" .exe).log
  wine "$@" >>"$log" 2>&1 &
  E2E_APP_PID=$!
}

# e2e_wait_exit PID SECONDS: waits for a program started by e2e_start and
# returns its exit status, or 124 when it still runs after SECONDS.
e2e_wait_exit() {
  local pid=$1 deadline=$((SECONDS + $2))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$SECONDS" -lt "$deadline" ] || return 124
    sleep 0.1
  done
  wait "$pid"
}

# e2e_driver COMMAND ARGS...: runs the driver; its output on stdout, its
# status as the function's. A hung driver is stopped after a minute.
e2e_driver() {
  timeout 60 wine "$E2E_DRIVER" "$@"
}

# e2e_listing ARGS...: what the portable code stores and offers (see
# listing/listing.cpp), with Wine's line ends taken out.
e2e_listing() {
  timeout 60 wine "$E2E_LISTING" "$@" | tr -d '\r'
}

# e2e_wait_size TARGET WIDTH HEIGHT SECONDS: window-info of the main window
# once it has that size (laying the window out may follow its first showing
# by a moment); the last window-info and status 1 when it never gets it.
e2e_wait_size() {
  local deadline=$((SECONDS + $4)) info
  while :; do
    info=$(e2e_driver window-info "$1" 2>/dev/null)
    if [ "$(e2e_field "$info" rect | cut -d' ' -f3-4)" = "$2 $3" ]; then
      echo "$info"
      return 0
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "$info"
      return 1
    fi
    sleep 0.2
  done
}

# e2e_first_tick TARGET SECONDS: the three text panels (the children at the
# top edge, as `panels` lists them) once the refresh has written all three;
# the last listing and status 1 when it has not within SECONDS.
e2e_first_tick() {
  local deadline=$((SECONDS + $2)) lines
  while :; do
    lines=$(e2e_driver panels "$1" 2>/dev/null | awk -F'\t' '$4 == 0 && $7 == 1' | head -3)
    if [ "$(wc -l <<<"$lines")" -eq 3 ] && ! grep -q $'\tGathering data \.\.\.$' <<<"$lines"; then
      echo "$lines"
      return 0
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "$lines"
      return 1
    fi
    sleep 0.2
  done
}

# --- the registry --------------------------------------------------------------

# e2e_seed_settings [NAME TYPE DATA]...: writes the settings key of the
# current prefix as this very version left it (its Version is the file
# version of the build's resource script, so no notice comes up), with the
# values given (TYPE REG_SZ or REG_DWORD); status 1 when a write failed.
e2e_seed_settings() {
  local key='HKLM\Software\Brannic\Welmor' version
  version=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$E2E_ROOT/res/welmor.rc")
  [ -n "$version" ] || return 1
  wine reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1 || return 1
  while [ $# -ge 3 ]; do
    wine reg add "$key" /v "$1" /t "$2" /d "$3" /f >/dev/null 2>&1 || return 1
    shift 3
  done
}

# e2e_reg_values KEY: the values of KEY in the current prefix as `reg query`
# lists them, one "NAME<TAB>TYPE<TAB>DATA" line each, REG_DWORD data in
# unsigned decimal; status 1 when the key does not exist.
e2e_reg_values() {
  local listing line
  listing=$(wine reg query "$1" 2>/dev/null) || return 1
  while IFS= read -r line; do
    line=${line%$'\r'}
    [[ $line =~ ^\ {4}(.*)\ {4}(REG_[A-Z_]+)(\ {4}(.*))?$ ]] || continue
    if [ "${BASH_REMATCH[2]}" = REG_DWORD ]; then
      printf '%s\t%s\t%s\n' "${BASH_REMATCH[1]}" REG_DWORD "$((BASH_REMATCH[4]))"
    else
      printf '%s\t%s\t%s\n' "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" "${BASH_REMATCH[4]}"
    fi
  done <<<"$listing"
}

# e2e_park_pointer: moves the mouse pointer to the bottom-right corner of the
# screen, where no window under test lies, so that no menu item or window is
# hovered by accident.
e2e_park_pointer() {
  local size
  size=$(xdpyinfo | awk '/dimensions:/ { print $2; exit }')
  e2e_driver mouse-move $((${size%x*} - 1)) $((${size#*x} - 1))
}

# e2e_busy_start SECONDS: keeps one processor busy in the background, for
# SECONDS at the most in case e2e_busy_stop never comes.
E2E_BUSY_PID=
e2e_busy_start() {
  bash -c 'end=$((SECONDS + '"$1"')); while [ "$SECONDS" -lt "$end" ]; do :; done' &
  E2E_BUSY_PID=$!
}

# e2e_busy_stop: ends the busy processor, if one runs.
e2e_busy_stop() {
  if [ -n "$E2E_BUSY_PID" ]; then
    kill "$E2E_BUSY_PID" 2>/dev/null
    wait "$E2E_BUSY_PID" 2>/dev/null
    E2E_BUSY_PID=
  fi
}

# e2e_screenshot FILE [WIDTHxHEIGHT+LEFT+TOP]: the display, or a part of it.
e2e_screenshot() {
  local file=$1
  if [ -n "${2:-}" ]; then
    import -window root -crop "$2" +repage "$file"
  else
    import -window root "$file"
  fi
}

# e2e_finish: ends the test with a summary; on failure the display is saved
# next to the logs.
e2e_finish() {
  if [ "$E2E_FAILED" -gt 0 ]; then
    e2e_screenshot "$E2E_WORK/$E2E_NAME-failed.png" 2>/dev/null &&
      echo "screen at the end: $E2E_WORK/$E2E_NAME-failed.png"
    echo "$E2E_NAME: $E2E_FAILED of $E2E_CHECKS checks failed"
    exit 1
  fi
  echo "$E2E_NAME: all $E2E_CHECKS checks passed"
  exit 0
}
