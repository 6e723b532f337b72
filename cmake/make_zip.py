#!/usr/bin/env python3
"""Writes a zip whose bytes depend only on the files given and the time.

Usage: make_zip.py ZIP SOURCE_DIR FILE...

Entries come in the order given, under their base names, all dated by the
time of SOURCE_DIR's last commit (SOURCE_DATE_EPOCH when it is set), read
as UTC, with permissions rw-r--r--, no owner and no extra fields, so two
builds of the same commit give the same zip whoever builds them, wherever
and whenever.
"""
import os
import subprocess
import sys
import time
import zipfile


def source_date(source_dir):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        out = subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"],
                             capture_output=True, text=True, check=True).stdout
        return int(out)
    except (OSError, ValueError, subprocess.CalledProcessError):
        sys.exit(f"make_zip.py: {source_dir} is no git checkout; set SOURCE_DATE_EPOCH to date the zip")


def main(argv):
    if len(argv) < 4:
        sys.exit(__doc__)
    target, when, files = argv[1], source_date(argv[2]), argv[3:]
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
