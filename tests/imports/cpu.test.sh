#!/usr/bin/env bash
# scripts/check-cpu must refuse a 32-bit program whose own code uses an
# instruction the Pentium MMX lacks, naming the function, and pass the same
# code built for the Pentium.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
cat > pick.cpp <<'C'
__attribute__((noinline)) int pick(int a, int b, int c) { return a < b ? c : b; }
int main(int argc, char**) { return pick(argc, 2, 3); }
C
for arch in i686 i586; do
  i686-w64-mingw32-g++-win32 -O2 -march=$arch -c -o pick-$arch.o pick.cpp
  i686-w64-mingw32-g++-win32 -o $arch.exe pick-$arch.o -Wl,-Map=$arch.map
done
if out=$("$root/scripts/check-cpu" i686.exe i686.map); then
  echo "FAIL: the check passed cmov in our own code"; echo "$out"; exit 1
fi
grep -qE 'cmov.* in __Z4pickiii \(pick-i686.o\)' <<<"$out" || { echo "FAIL: the function is not named"; echo "$out"; exit 1; }
echo "ok: cmov in our own code refused"
"$root/scripts/check-cpu" i586.exe i586.map || { echo "FAIL: the Pentium build was refused"; exit 1; }
echo "ok: the Pentium build passes"
