#!/usr/bin/env bash
# The release tools refuse what they cannot write, in their own words, and
# leave no target behind (cmake/notepad_text.py, cmake/make_zip.py).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT && mkdir nogit || exit 1
failed=0
# tool, its input (Markdown, or the zip's SOURCE_DATE_EPOCH, - for none), all
# it must say; \n and \xNN as printf %b reads them.
while IFS=$'\t' read -r tool input expected; do
  printf '%b\n' "$input" >in.md && echo stale >out
  if [ "$tool" = md ]; then said=$(python3 "$root/cmake/notepad_text.py" markdown in.md out 2>&1)
  else said=$(SOURCE_DATE_EPOCH=${input#-} python3 "$root/cmake/make_zip.py" out nogit in.md 2>&1); fi
  if [ $? -ne 0 ] && [ "$said" == "$expected" ] && [ ! -e out ]; then echo "ok: $tool '$input'"
  else echo "FAIL: $tool '$input': target $([ -e out ] && echo kept || echo gone), said: $said"; failed=1; fi
done <<'TABLE'
md	a *b* c	in.md:1: emphasis is not converted
md	text\na _b_ c	in.md:2: emphasis is not converted
md	see [the site](http://x)	in.md:1: a link is not converted
md	AT&amp;T	in.md:1: an entity is not converted
md	- a\n  - b	in.md:2: a nested list is not converted
md	| a | b |	in.md:1: a table is not converted
md	+ one	in.md:1: a bullet other than "- " is not converted
md	```\ncode	in.md:1: a fence that is never closed is not converted
md	caf\xc3\xa9	in.md:1: a character that is not ASCII is not converted
md	Windows\n2000. was	in.md:2: numbered item 2000 after item 0 is not converted
zip	soon	make_zip.py: SOURCE_DATE_EPOCH is 'soon', not a count of seconds from 1970 to 2107
zip	-	make_zip.py: fatal: not a git repository (or any of the parent directories): .git
TABLE
exit "$failed"
