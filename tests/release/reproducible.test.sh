#!/usr/bin/env bash
# The release made twice, as two builders would make it: from this checkout
# into OUT/a, then from a copy of it in another folder into OUT/b, later,
# under another umask and time zone. Every file in the two dist/ folders must
# be the same, byte for byte (the zips are dated by the last commit: commit
# nothing meanwhile). OUT/a/dist is left for the package checks, which also
# see that it holds the right files.
# Usage: tests/release/reproducible.test.sh OUT
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:?usage: $0 OUT}
rm -rf "$out"
mkdir -p "$out/copy"
out=$(cd "$out" && pwd)
tar -C "$root" --exclude=./build --exclude=./dist --exclude="./${out#"$root"/}" -cf - . | tar -C "$out/copy" -xf -

# release SOURCE DIR: the README's release workflow, step by step, built into DIR.
release() {
  local started=$SECONDS
  if ! { cmake -S "$1" --preset release -B "$2" -DWELMOR_DIST_DIR="$2/dist" && cmake --build "$2"; } >"$2.log" 2>&1; then
    tail -30 "$2.log"
    echo "FAIL: the release from $1 did not build"
    exit 1
  fi
  echo "release from $1: $((SECONDS - started)) s"
}
release "$root" "$out/a"
(umask 077 && TZ=Pacific/Chatham release "$out/copy" "$out/b") || exit 1

failed=0
for f in "$out"/a/dist/*; do
  if cmp "$f" "$out/b/dist/${f##*/}"; then echo "ok: ${f##*/} the same"; else failed=1; fi
done
exit "$failed"
