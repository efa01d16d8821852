#!/usr/bin/python3
"""vsk-cli sketch: every kind of every gallery case as PNG, an SVG read back with xmllint,
sizes, the type option and the usage errors."""

import subprocess
import sys
from pathlib import Path

cli = sys.argv[1]
aus = Path(sys.argv[2])
wurzel = Path(__file__).resolve().parents[2]
referenz = wurzel / "tests" / "data" / "projekt" / "referenz_mehrere.VSK"
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([cli, "sketch", *map(str, argumente)], capture_output=True, text=True)


def png_groesse(pfad):
    daten = pfad.read_bytes()
    if daten[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return int.from_bytes(daten[16:20], "big"), int.from_bytes(daten[20:24], "big")


# The gallery: 7 cases x 6 kinds.
r = subprocess.run(["/usr/bin/python3", str(wurzel / "scripts" / "sketch-gallery.py"), cli,
                    str(aus / "gallery")], capture_output=True, text=True)
pruefe(r.returncode == 0, "gallery: " + r.stdout + r.stderr)
pruefe(len(list((aus / "gallery").glob("*.png"))) == 42, "gallery: 42 pictures")

# Size and file type.
r = lauf(referenz, "--position", 3, "--kind", "row", "--size", "1000x300", "-o", aus / "row.png")
pruefe(r.returncode == 0, "row: " + r.stderr)
pruefe(png_groesse(aus / "row.png") == (1000, 300), "row: size 1000x300")
pruefe(r.stdout.strip() == f"{aus / 'row.png'}: VSK 3, position 3", "row: " + r.stdout)
r = lauf(referenz, "--kind", "view", "-o", aus / "view.png")
pruefe(png_groesse(aus / "view.png") == (800, 600), "view: default size 800x600")

r = lauf(referenz, "--position", 1, "--kind", "section", "--type", "VSK 9", "-o",
         aus / "section.SVG")
pruefe(r.returncode == 0 and "VSK 9, position 1" in r.stdout, "svg: " + r.stdout + r.stderr)
x = subprocess.run(["xmllint", "--noout", str(aus / "section.SVG")], capture_output=True)
pruefe(x.returncode == 0, "svg: well-formed")
svg = (aus / "section.SVG").read_text(encoding="utf-8")
pruefe("Top: " in svg and 'width="800' in svg, "svg: labels and size")

# Usage errors: exit 2, nothing written.
for argumente in (["--kind", "views", "-o", aus / "x.png"],
                  ["--kind", "view", "-o", aus / "x.gif"],
                  ["--kind", "system", "--quadrants", "-o", aus / "x.png"],
                  ["--kind", "view", "--size", "10x10", "-o", aus / "x.png"],
                  ["--kind", "view", "--type", "19", "-o", aus / "x.png"],
                  ["--kind", "view", "--position", 4, "-o", aus / "x.png"],
                  ["--kind", "view"],
                  ["-o", aus / "x.png"]):
    r = lauf(referenz, *argumente)
    pruefe(r.returncode == 2 and r.stderr.startswith("vsk-cli sketch: "),
           f"usage {argumente}: {r.returncode} {r.stderr}")
pruefe(not (aus / "x.png").exists() and not (aus / "x.gif").exists(), "usage: nothing written")

# Every picture type of the window's export; the quadrant picture is 1000 x 1000.
koepfe = {"emf": b"\x01\x00\x00\x00", "bmp": b"BM", "jpg": b"\xff\xd8\xff", "png": b"\x89PNG",
          "svg": b"<?xml"}
for endung, kopf in koepfe.items():
    ziel = aus / f"quadranten.{endung}"
    r = lauf(referenz, "--position", 3, "--kind", "plan", "--quadrants", "-o", ziel)
    pruefe(r.returncode == 0 and ziel.read_bytes().startswith(kopf), f"{endung}: {r.stderr}")
pruefe(png_groesse(aus / "quadranten.png") == (1000, 1000), "quadrants: 1000x1000")
emf = (aus / "quadranten.emf").read_bytes()
# The frame (0.01 mm) is the picture at 96 dpi: 1000 px = 264.58 mm.
pruefe(emf[40:44] == b" EMF" and int.from_bytes(emf[32:36], "little") == 26458,
       "emf: header, frame 1000 px wide")

# A file that cannot be read, an output that cannot be written: exit 1.
r = lauf(aus / "fehlt.VSK", "--kind", "view", "-o", aus / "y.png")
pruefe(r.returncode == 1, f"missing file: {r.returncode}")
r = lauf(referenz, "--kind", "view", "-o", aus / "kein" / "ordner" / "y.png")
pruefe(r.returncode == 1 and "cannot be written" in r.stderr, f"unwritable: {r.returncode} {r.stderr}")

for f in fehler:
    print("FAIL", f)
sys.exit(1 if fehler else 0)
