#!/usr/bin/env bash
# The packages of a release: each zip holds exactly Welmor.exe, Readme.txt
# and License.txt, its exe is a stripped program for its processor,
# SHA256SUMS names both zips and verifies, the 32-bit exe passes the import
# check and stays within 600 KB, and every entry's headers are ones the
# unzippers of Windows 2000's time read. (The texts' CRLF ends and 78 columns are
# refused by cmake/notepad_text.py as it writes them.)
# Usage: tests/release/package.test.sh [DIST] (default dist/)
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(cd "${1:-$root/dist}" && pwd) || exit 1
when=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
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
  # Each entry's central and local header: version needed 2.0, flags 0,
  # deflate, the commit's DOS time and date in UTC, no extra field, the next
  # header right after the data (no descriptor); no zip64 locator.
  expect "$arch: the entries' headers" "$(python3 - "$zip" "$when" <<'PY'
import struct, sys, time
data, t = open(sys.argv[1], "rb").read(), time.gmtime(int(sys.argv[2]))
want = (20, 0, 8, t.tm_hour << 11 | t.tm_min << 5 | t.tm_sec // 2, (t.tm_year - 1980) << 9 | t.tm_mon << 5 | t.tm_mday, 0)
end = data.rindex(b"PK\5\6")
count, _, at = struct.unpack_from("<HII", data, end + 10)
print("zip64" * (data[end - 20:end - 16] == b"PK\6\7"), end="")
for _ in range(count):
    *central, size, name, extra, comment, local = struct.unpack_from("<6x5H4xI4x3H8xI", data, at)
    lead = struct.unpack_from("<4x5H12x2H", data, local)
    after = local + 30 + lead[5] + lead[6] + size
    if (*central, extra) != want or (*lead[:5], lead[6]) != want or data[after:after + 4] not in (b"PK\3\4", b"PK\1\2"):
        print(data[at + 46:at + 46 + name].decode(), end=" ")
    at += 46 + name + extra + comment
PY
)" ""
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
