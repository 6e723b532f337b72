# The local HTTP server of the update check's Win32 tests. Source it; it
# defines functions only.

# welmor_start_update_server DIR: serves DIR/files on 127.0.0.1 at a free
# port; exports WELMOR_UPDATE_HOST (127.0.0.1:port), WELMOR_UPDATE_ROOT (DIR
# as Wine sees it) and UPDATE_SERVER_PID.
welmor_start_update_server() {
  local dir=$1 here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  rm -rf "$dir"
  mkdir -p "$dir"
  python3 "$here/tests/win32/update_server.py" "$dir" >"$dir/port" 2>"$dir/server.log" &
  UPDATE_SERVER_PID=$!
  local i
  for i in $(seq 1 50); do
    if [ -s "$dir/port" ]; then
      export WELMOR_UPDATE_HOST="127.0.0.1:$(head -1 "$dir/port")"
      export WELMOR_UPDATE_ROOT
      WELMOR_UPDATE_ROOT=$(welmor_winpath "$dir")
      return 0
    fi
    sleep 0.1
  done
  echo "the update test server did not start: $(cat "$dir/server.log")" >&2
  return 1
}
