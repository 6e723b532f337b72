#!/usr/bin/env python3
"""Turns a text kept in the repository into one Notepad shows well.

Usage: notepad_text.py markdown|plain SOURCE TARGET [--require TEXT]...

markdown: the user's guide in the small part of Markdown it uses (# and ##
  headings, paragraphs, "- " and "1. " lists, fenced blocks, `code`,
  **strong**, backslash escapes; lines holding only pictures are left out)
  becomes plain text wrapped at 78 columns.
plain: the lines are taken as they are.
Either way the result is written with CRLF line ends. It fails, naming the
source line, on any other Markdown (emphasis, links, entities, HTML, tables,
"*" and "+" bullets, nested lists, indented blocks, block quotes, rules, a
fence never closed, a numbered item out of turn) and on a character that is
not ASCII, which Notepad would show in the code page of whoever opens it; it
fails on a line longer than 78 characters and when a required text (the
version, a contact) is missing, so that the guide cannot fall behind the
program it ships with.
A failure leaves no target behind, so no older text can be packed instead.
"""
import os
import re
import sys
import textwrap

WIDTH = 78


def inline(text):
    parts = re.split(r"(`[^`]*`)", text)
    out = []
    for part in parts:
        if part.startswith("`") and part.endswith("`") and len(part) > 1:
            out.append(part[1:-1])
        else:
            part = re.sub(r"\*\*(.+?)\*\*", r"\1", part)
            out.append(re.sub(r"\\([!-/:-@\[-`{-~])", r"\1", part))
    return "".join(out)


# Outside code spans, backslash escapes and **strong**: what no rule below
# converts.
REFUSED_INLINE = [
    (r"\*|(^|\W)_|_(\W|$)", "emphasis"),
    (r"\]\s*[(\[]|<[a-z]+:", "a link"),
    (r"&#?\w+;", "an entity"),
    (r"<[A-Za-z/!][^:>]*>", "HTML"),
    (r"\|", "a table"),
]
REFUSED_LINE = [
    (r"[*+]\s", "a bullet other than \"- \""),
    (r"\s+([-*+]|\d+[.)])\s", "a nested list"),
    (r"\s*>", "a block quote"),
    (r"\s*([-*_=])(\s*\1){2,}\s*$", "a rule or an underlined heading"),
]


def refusals(lines):
    """Yields (line number, what) for each line the conversion would mangle."""
    fence, last_number, previous = None, 0, ""
    for n, line in enumerate(lines, 1):
        if fence is None and line.startswith("```"):
            fence = n
        elif fence and line == "```":
            fence = None
        elif fence is None:
            found = [what for pattern, what in REFUSED_LINE if re.match(pattern, line)]
            if not found and line[:1].isspace() and line.strip() and not previous.strip():
                found.append("an indented block")
            number = re.match(r"(\d+)\. ", line)
            if number and int(number.group(1)) not in (1, last_number + 1):
                found.append(f"numbered item {number.group(1)} after item {last_number}")
            yield from ((n, what) for what in found)
            last_number = int(number.group(1)) if number else 0 if line.startswith("#") else last_number
            if not re.fullmatch(r"(\s*!\[[^\]]*\]\([^)]*\))+\s*", line):
                text = re.sub(r"`[^`]*`|\\[!-/:-@\[-`{-~]|\*\*(.+?)\*\*", r"\1", line)
                yield from ((n, what) for pattern, what in REFUSED_INLINE if re.search(pattern, text))
        previous = line
    if fence:
        yield fence, "a fence that is never closed"


def wrap(text, first, rest):
    return textwrap.wrap(inline(text), WIDTH, initial_indent=first, subsequent_indent=rest,
                         break_long_words=False, break_on_hyphens=False)


def blocks(lines):
    """Yields (kind, text or lines) for each block of the Markdown source."""
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.strip():
            i += 1
        elif line.startswith("```"):
            end = lines.index("```", i + 1)
            yield "fence", lines[i + 1:end]
            i = end + 1
        elif line.startswith("#"):
            yield "heading", line
            i += 1
        elif re.fullmatch(r"(\s*!\[[^\]]*\]\([^)]*\))+\s*", line):
            i += 1
        else:
            item = re.match(r"(- |\d+\. )", line)
            text, i = [line[item.end():] if item else line], i + 1
            while i < len(lines) and lines[i].strip() and not re.match(r"(#|```|- |\d+\. )", lines[i]):
                text.append(lines[i].strip())
                i += 1
            yield ("item", (item.group(1), " ".join(text))) if item else ("paragraph", " ".join(text))


def render(markdown):
    out = []
    previous = None
    for kind, body in blocks(markdown.splitlines()):
        if out and not (kind == "item" and previous == "item"):
            out.append("")
        if kind == "heading":
            level, title = re.match(r"(#+)\s*(.*)", body).groups()
            title = inline(title)
            out += [title, ("=" if len(level) == 1 else "-") * len(title)]
        elif kind == "fence":
            out += ["    " + line for line in body]
        elif kind == "item":
            marker, text = body
            out += wrap(text, marker, " " * len(marker))
        else:
            out += wrap(body, "", "")
        previous = kind
    return out


def main(argv):
    if len(argv) < 4 or argv[1] not in ("markdown", "plain") or any(a != "--require" for a in argv[4::2]) \
            or len(argv) % 2:
        sys.exit(__doc__)
    mode, source, target = argv[1:4]
    required = argv[5::2]
    if os.path.exists(target):
        os.remove(target)
    with open(source, encoding="utf-8", errors="surrogateescape") as f:
        text = f.read()
    found = list(refusals(text.splitlines())) if mode == "markdown" else []
    found += [(n, "a character that is not ASCII") for n, line in enumerate(text.splitlines(), 1)
              if not line.isascii()]
    if found:
        sys.exit("\n".join(f"{source}:{n}: {what} is not converted" for n, what in sorted(found)))
    lines = render(text) if mode == "markdown" else text.splitlines()
    errors = [f"{source}: line {n} of the text is {len(line)} characters long"
              for n, line in enumerate(lines, 1) if len(line) > WIDTH]
    joined = " ".join(" ".join(lines).split())
    errors += [f"{source} does not say \"{r}\"" for r in required if " ".join(r.split()) not in joined]
    if errors:
        sys.exit("\n".join(errors))
    with open(target, "wb") as f:
        f.write("".join(line.rstrip() + "\r\n" for line in lines).encode("ascii"))


if __name__ == "__main__":
    main(sys.argv)
