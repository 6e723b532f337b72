#!/usr/bin/env bash
# The i386 ring: the 32-bit builds run in an emulated 32-bit machine.
#   ring.sh run BUILD_DIR SHARE    stages the 32-bit programs of BUILD_DIR
#                                  (win32, win32-tests) in SHARE, boots the
#                                  machine; results land in SHARE/out
#   ring.sh result SHARE NAME      prints a step's log; its status is the step's
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

case "${1:-}" in
  run)
    B=$2 share=$3
    log() { echo "[i386 $((SECONDS))s] $*"; }
    img=$("$here/build-image.sh")
    if [ ! -f "$img/ready" ]; then
      echo "the i386 image was not built: build-image.sh printed '$img', not a folder holding 'ready'" >&2
      exit 1
    fi
    log "image $img"
    rm -rf "$share" && mkdir -p "$share/bin"
    cp "$B/win32/Welmor.exe" "$B/win32/tests/e2e/welmor_driver.exe" "$B/win32/tests/e2e/welmor_probe.dll" \
       "$B/win32-tests/unit_tests.exe" "$B/win32-tests/win32_tests.exe" "$share/bin/"
    cp "$here/guest.sh" "$here/../win32/update_server.py" "$share/"
    . "$here/qemu.sh"
    q32_boot "$img" "$share"
    log "machine off"
    if [ -f "$share/out/widget.xwd" ]; then convert "$share/out/widget.xwd" "$share/out/widget.png"; fi
    cat "$share/out/guest.log"
    ;;
  result)
    cat "$2/out/$3.log" 2>/dev/null || echo "no $3 results: see $2/out/console.log"
    exit "$(cat "$2/out/$3.rc" 2>/dev/null || echo 1)"
    ;;
  *) echo "usage: $0 run BUILD_DIR SHARE | result SHARE NAME" >&2; exit 2 ;;
esac
