#!/usr/bin/env bash
# scripts/check-imports must refuse a 32-bit program that imports C-runtime
# functions Windows 2000's msvcrt.dll lacks, and pass one that imports only
# what that msvcrt has.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

cat >"$dir/newer.c" <<'C'
#include <malloc.h>
#include <stdio.h>
#include <time.h>
int main(void) {
  void* p = _aligned_malloc(64, 16);
  __time64_t t = _time64(NULL);
  printf("%p %d", p, (int)t);
  _aligned_free(p);
  return 0;
}
C
cat >"$dir/older.c" <<'C'
#include <stdio.h>
#include <stdlib.h>
int main(void) {
  char* p = malloc(64);
  printf("%I64d", _atoi64("42"));
  free(p);
  return 0;
}
C
for name in newer older; do
  i686-w64-mingw32-gcc-win32 -O0 -o "$dir/$name.exe" "$dir/$name.c"
done

if out=$("$root/scripts/check-imports" "$dir/newer.exe" 2>&1); then
  echo "FAIL: the check passed a program importing newer C-runtime functions"; echo "$out"; exit 1
fi
for f in _aligned_malloc _aligned_free _time64; do
  grep -qw -- "$f" <<<"$out" || { echo "FAIL: $f not named"; echo "$out"; exit 1; }
done
echo "ok: newer C-runtime imports refused: $out"
"$root/scripts/check-imports" "$dir/older.exe" || { echo "FAIL: an older-runtime program was refused"; exit 1; }
echo "ok: older C-runtime imports pass"
