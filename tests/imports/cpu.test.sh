#!/usr/bin/env bash
# scripts/check-cpu must refuse a 32-bit program with an instruction the
# Pentium MMX lacks, in our own code or in the runtime linked in, naming the
# function and where it came from, and pass the same program built for the
# Pentium with the runtime built for it.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runtime=$("$root/scripts/i586-runtime")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"
cat > pick.cpp <<'C'
__attribute__((noinline)) int pick(int a, int b, int c) { return a < b ? c : b; }
int* kept;
int main(int argc, char**) { kept = new int(argc); return pick(argc, 2, 3); }
C
# The runtime's operator new, compiled for the Pentium Pro.
cat > new_op.cc <<'C'
#include <cstdlib>
#include <new>
void* operator new(std::size_t n) {
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
C
cxx() { i686-w64-mingw32-g++-win32 -static "$@"; }
for arch in i686 i586; do cxx -O2 -march=$arch -c -o pick-$arch.o pick.cpp; done
mkdir planted && cp "$runtime"/* planted/
cxx -O2 -march=i686 -c new_op.cc && i686-w64-mingw32-ar r planted/libstdc++.a new_op.o 2>/dev/null
link() { cxx -B"$1"/ -L"$1" -o "$2.exe" "$3" -Wl,-Map="$2.map"; }
link "$runtime" own pick-i686.o
link planted runtime pick-i586.o
link "$runtime" pentium pick-i586.o

refused() {  # NAME PATTERN: the check fails and names the function and its origin
  if out=$("$root/scripts/check-cpu" "$1.exe" "$1.map"); then
    echo "FAIL: the check passed cmov in the $1 code"; echo "$out"; exit 1
  fi
  grep -qE "$2" <<<"$out" || { echo "FAIL: not named: $2"; echo "$out"; exit 1; }
  echo "ok: cmov in the $1 code refused"
}
refused own 'cmov.* in __Z4pickiii \(pick-i686.o\)'
refused runtime 'cmov.* in __Znwj \(libstdc\+\+.a\(new_op.o\)\)'
"$root/scripts/check-cpu" pentium.exe pentium.map || { echo "FAIL: the Pentium build was refused"; exit 1; }
echo "ok: the Pentium build passes"
