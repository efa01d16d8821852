#!/usr/bin/python3
"""The manual beside the program holds every help page (by its heading), page after page.

Usage: handbuch_test.py MANUAL.pdf HELP_DIR
"""

import glob
import os
import re
import shutil
import subprocess
import sys


def main():
    manual, help_dir = sys.argv[1], sys.argv[2]
    if not shutil.which("pdftotext"):
        print("pdftotext not installed")
        return 77
    if not os.path.exists(manual):
        print(f"missing: {manual}")
        return 1
    text = subprocess.run(["pdftotext", "-layout", manual, "-"], capture_output=True,
                          text=True, check=True).stdout
    pages = text.count("\f")
    failures = []
    for page in sorted(glob.glob(os.path.join(help_dir, "*.html"))):
        if os.path.basename(page) == "hilfe_benutzen.html":
            continue
        with open(page, encoding="utf-8") as f:
            heading = re.search(r"<h1>(.*?)</h1>", f.read()).group(1)
        heading = heading.replace("&amp;", "&")
        if heading not in text:
            failures.append(f"{os.path.basename(page)}: heading {heading!r} not in the manual")
    pages_expected = len(glob.glob(os.path.join(help_dir, "*.html")))
    if pages < pages_expected:
        failures.append(f"only {pages} pages for {pages_expected} help pages")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
