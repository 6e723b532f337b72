#!/usr/bin/env bash
# The packages of a release: each zip holds exactly Welmor.exe, Readme.txt
# and License.txt, its exe is a stripped program for its processor,
# SHA256SUMS names both zips and verifies, the 32-bit exe passes the import
# check and stays within 600 KB. (The texts' CRLF ends and 78 columns are
# refused by cmake/notepad_text.py as it writes them.)
# Usage: tests/release/package.test.sh [DIST] (default dist/)
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "${1:-$root/dist}" && pwd) || exit 1
version=$(sed -n 's/^ *VALUE "FileVersion", "\([0-9.]*\)".*/\1/p' "$root/res/welmor.rc")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
expect() {
  if [ "$2" == "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: got '$2', expected '$3'"; failed=1; fi
}

expect "SHA256SUMS names the two zips" "$(awk '{ print $2 }' "$dist/SHA256SUMS" | tr '\n' ' ')" \
  "Welmor-$version-x86.zip Welmor-$version-x64.zip "
expect "SHA256SUMS verifies" "$(cd "$dist" && sha256sum -c SHA256SUMS 2>&1 | grep -vc ': OK$')" "0"

# arch, what `file` says of its exe (strip marks it "stripped to external PDB")
while read -r arch kind; do
  zip=$dist/Welmor-$version-$arch.zip
  expect "$arch: the zip's entries" "$(unzip -Z1 "$zip" | tr '\n' ' ')" "Welmor.exe Readme.txt License.txt "
  unzip -q "$zip" -d "$work/$arch"
  expect "$arch: Welmor.exe" "$(file -b "$work/$arch/Welmor.exe" | cut -d, -f1)" "$kind"
done <<'TABLE'
x86 PE32 executable (GUI) Intel 80386 (stripped to external PDB)
x64 PE32+ executable (GUI) x86-64 (stripped to external PDB)
TABLE

"$root/scripts/check-imports" "$work/x86/Welmor.exe" || { echo "FAIL: the 32-bit exe imports too much"; failed=1; }
size=$(stat -c %s "$work/x86/Welmor.exe")
echo "stripped Welmor.exe: x86 $size bytes, x64 $(stat -c %s "$work/x64/Welmor.exe") bytes"
[ "$size" -le $((600 * 1024)) ] || { echo "FAIL: the 32-bit exe is over 600 KB"; failed=1; }
exit "$failed"
