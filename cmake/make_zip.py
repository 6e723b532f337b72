#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files given and the time.

Usage: make_zip.py ZIP SOURCE_DIR FILE...

Entries come in the order given, under their base names, all dated by the
time of SOURCE_DIR's last commit (SOURCE_DATE_EPOCH when it is set), read
as UTC, with permissions rw-r--r--, no owner and no extra fields, so two
builds of the same commit give the same zip whoever builds them and
whenever, as long as Python deflates with the same zlib. A date or a git
that fails is reported in one line, and no zip is left behind.
"""
import os
import subprocess
import sys
import time
import zipfile


def source_date(source_dir):
    """Seconds since 1970 to date the entries by, or a refusal in one line."""
    if os.environ.get("SOURCE_DATE_EPOCH"):
        text = os.environ["SOURCE_DATE_EPOCH"]
        # A zip date runs from 1980 (earlier ones are moved up to it) to 2107.
        if not (text.isascii() and text.isdigit()) or int(text) >= 4354819200:
            sys.exit(f"make_zip.py: SOURCE_DATE_EPOCH is '{text}', not a count of seconds from 1970 to 2107")
        return int(text)
    try:
        git = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"], capture_output=True, text=True)
    except OSError as e:
        sys.exit(f"make_zip.py: git: {e.strerror}; set SOURCE_DATE_EPOCH to date the zip")
    if git.returncode != 0 or not git.stdout.strip().isdigit():
        sys.exit(f"make_zip.py: {(git.stderr.strip() or 'git log gave no commit time').splitlines()[0]}")
    return int(git.stdout)


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    target = argv[1]
    if os.path.exists(target):
        os.remove(target)
    when, files = source_date(argv[2]), argv[3:]
    date_time = time.gmtime(max(when, 315532800))[:6]  # a zip date starts in 1980
    partial = target + ".part"
    with zipfile.ZipFile(partial, "w") as archive:
        for path in files:
            entry = zipfile.ZipInfo(os.path.basename(path), date_time)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.create_system = 3  # Unix, so that the permissions below count
            entry.external_attr = 0o100644 << 16
            with open(path, "rb") as f:
                archive.writestr(entry, f.read(), compresslevel=9)
    os.replace(partial, target)


if __name__ == "__main__":
    main(sys.argv)
