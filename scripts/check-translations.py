#!/usr/bin/python3
"""Language modules of the design program and the start program: refresh and check them.

The English texts in the code are the built-in set. Each language module is compiled
from resources/translations/<program>_<ext>.ts (vsk_des.ts, start_des.ts, ...). This
script extracts the English set from the sources with lupdate (tr() in the windows,
vsk::text() in the core) and

  --update   refreshes every .ts file from the sources (new texts appear as unfinished,
             texts no longer in the code are dropped), so translators only fill them in;
  (default)  reports, for every module, the texts it lacks or has left unfinished or
             empty; exits 0 so that work in progress does not fail the build;
  --strict   the same report, but exits 1 when any module is incomplete.

A translation also counts as incomplete when it breaks what the program relies on:
a text table (entries ending in a backslash) must keep its number of entries, and
placeholders (%1, %2, %s) and line breaks must all be kept.

Usage: check-translations.py [--update] [--strict] [--lupdate PATH] [--root DIR]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Module extension -> language of the .ts file.
MODULES = {
    "des": "de_CH",
    "esp": "es_ES",
    "fra": "fr_FR",
    "ita": "it_IT",
    "nld": "nl_NL",
}
# The start program has its own modules; everything else under src/ is the design program.
START = "startprogram"
PROGRAMS = ("vsk", "start")


def find_lupdate(given):
    for candidate in (given, shutil.which("lupdate6"), "/usr/lib/qt6/bin/lupdate",
                      shutil.which("lupdate")):
        if candidate and os.path.exists(candidate):
            return candidate
    sys.exit("check-translations: lupdate not found (give --lupdate PATH)")


def source_dirs(root, program):
    src = os.path.join(root, "src")
    if program == "start":
        return [os.path.join(src, START)]
    return [os.path.join(src, d) for d in sorted(os.listdir(src))
            if os.path.isdir(os.path.join(src, d)) and d != START]


def ts_path(root, program, ext):
    return os.path.join(root, "resources", "translations", f"{program}_{ext}.ts")


def run_lupdate(lupdate, root, program, ts_file, language):
    command = [lupdate, "-silent", "-recursive", "-extensions", "cpp,h",
               "-tr-function-alias", "translate+=text", "-I", os.path.join(root, "src"), "-locations", "none",
               "-no-obsolete", "-source-language", "en_GB", "-target-language", language,
               *source_dirs(root, program), "-ts", ts_file]
    result = subprocess.run(command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"check-translations: lupdate failed:\n{result.stdout}{result.stderr}")


def full_text(element):
    """The text of a source or translation element; lupdate writes characters such as a
    carriage return as <byte value="xd"/> elements inside it."""
    if element is None:
        return ""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            parts.append(chr(int(value[1:], 16) if value[:1] == "x" else int(value)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(ts_file):
    """(context, source, disambiguation) -> translation element of a .ts file."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            key = (name, full_text(message.find("source")), message.findtext("comment", ""))
            found[key] = message.find("translation")
    return found


def translated(element):
    if element is None or element.get("type") in ("unfinished", "vanished", "obsolete"):
        return False
    forms = element.findall("numerusform")
    if forms:
        return all((f.text or "").strip() for f in forms)
    return bool(full_text(element).strip())


PLACEHOLDER = re.compile(r"%[0-9]+|%s|%n")


def broken(source, translation):
    """What a translation breaks that the program relies on, or an empty string."""
    if source.endswith("\\") and (not translation.endswith("\\")
                                   or translation.count("\\") != source.count("\\")):
        return (f"text table has {translation.count(chr(92))} entries "
                f"instead of {source.count(chr(92))}")
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(translation)):
        return "placeholders differ"
    if source.count("\n") != translation.count("\n"):
        return "line breaks differ"
    return ""


def check(lupdate, root):
    """Prints the report; returns the number of incomplete modules."""
    incomplete = 0
    for program in PROGRAMS:
        with tempfile.TemporaryDirectory() as tmp:
            reference = os.path.join(tmp, f"{program}_eng.ts")
            run_lupdate(lupdate, root, program, reference, "en_GB")
            english = set(messages(reference))
        print(f"{program}: English set of {len(english)} texts")
        for ext in MODULES:
            name = f"{program}.{ext}"
            ts_file = ts_path(root, program, ext)
            if not os.path.exists(ts_file):
                print(f"{name}: missing source {ts_file}")
                incomplete += 1
                continue
            module = messages(ts_file)
            missing = sorted(english - set(module))
            open_texts = sorted(k for k in english & set(module) if not translated(module[k]))
            faults = sorted((k, broken(k[1], full_text(module[k]))) for k in english & set(module)
                            if translated(module[k]) and broken(k[1], full_text(module[k])))
            if missing or open_texts or faults:
                incomplete += 1
                print(f"{name}: {len(missing)} missing, {len(open_texts)} not translated, "
                      f"{len(faults)} faulty of {len(english)}")
                for context, source, _ in (missing + open_texts)[:5]:
                    print(f"    {context}: {source[:70]!r}")
                for (context, source, _), fault in faults[:10]:
                    print(f"    {context}: {source[:50]!r}: {fault}")
            else:
                print(f"{name}: complete")
    return incomplete


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--update", action="store_true")
    parser.add_argument("--strict", action="store_true")
    parser.add_argument("--lupdate")
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(
        os.path.abspath(__file__))))
    args = parser.parse_args()
    lupdate = find_lupdate(args.lupdate)
    if args.update:
        for program in PROGRAMS:
            for ext, language in MODULES.items():
                ts_file = ts_path(args.root, program, ext)
                run_lupdate(lupdate, args.root, program, ts_file, language)
                print(f"updated {ts_file}")
        return 0
    incomplete = check(lupdate, args.root)
    if incomplete and args.strict:
        return 1
    if incomplete:
        print(f"{incomplete} of {len(MODULES) * len(PROGRAMS)} modules incomplete "
              "(not an error without --strict)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
