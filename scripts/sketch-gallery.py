#!/usr/bin/python3
"""Draws every sketch kind for a single connector, a slab-to-slab row and a slab-to-wall
row with each load type, through vsk-cli sketch, as PNG files to look at.

    scripts/sketch-gallery.py VSK-CLI OUTDIR [--size WxH]

The project files are derived from tests/data/projekt/referenz_mehrere.VSK (position 1:
slab to slab, 2: single connector, 3: slab to wall) and written into OUTDIR/projects.
Exits non-zero when a command fails or a picture is missing or not a PNG."""

import re
import subprocess
import sys
from pathlib import Path

HIER = Path(__file__).resolve().parent
REFERENZ = HIER.parent / "tests" / "data" / "projekt" / "referenz_mehrere.VSK"
ARTEN = ["view", "plan", "section", "row", "system", "load"]


def position(text, k):
    a = text.index(f"<Position_{k}>")
    e = text.index(f"</Position_{k}>") + len(f"</Position_{k}>")
    return a, e


def setze(text, k, name, wert):
    """Sets the first element of that name inside Position_k."""
    a, e = position(text, k)
    blk, n = re.subn(rf"<{name}>[^<]*</{name}>", f"<{name}>{wert}</{name}>", text[a:e], count=1)
    assert n == 1, name
    return text[:a] + blk + text[e:]


def setze_in(text, k, gruppe, name, wert):
    """Sets element name inside the first element gruppe of Position_k."""
    a, e = position(text, k)
    g = text.index(f"<{gruppe}>", a)
    ge = text.index(f"</{gruppe}>", g)
    assert ge < e, gruppe
    blk, n = re.subn(rf"<{name}>[^<]*</{name}>", f"<{name}>{wert}</{name}>", text[g:ge], count=1)
    assert n == 1, name
    return text[:g] + blk + text[ge:]


def punkte(text, k, liste):
    """Replaces the arbitrary-load points of Position_k."""
    a, e = position(text, k)
    blk = re.sub(r"\s*<TbeliebigeLast_\d+_[xy]>[^<]*</TbeliebigeLast_\d+_[xy]>", "", text[a:e])
    neu = "".join(
        f"\n        <TbeliebigeLast_{j}_x>{x}</TbeliebigeLast_{j}_x>"
        f"\n        <TbeliebigeLast_{j}_y>{y}</TbeliebigeLast_{j}_y>"
        for j, (x, y) in enumerate(liste))
    blk = blk.replace("<TLinienLast>", neu.strip() + "\n        <TLinienLast>", 1)
    return text[:a] + blk + text[e:]


def nur_position(text, k):
    """The project with Position_k as its only and current position."""
    t = re.sub(r"<TAnzAnwendung>\d+</TAnzAnwendung>", "<TAnzAnwendung>1</TAnzAnwendung>", text)
    t = re.sub(r"<TAktAnwendung>\d+</TAktAnwendung>", "<TAktAnwendung>1</TAktAnwendung>", t)
    bloecke = {}
    for j in (1, 2, 3):
        a, e = position(t, j)
        bloecke[j] = t[a:e]
    a1, _ = position(t, 1)
    _, e3 = position(t, 3)
    blk = bloecke[k].replace(f"Position_{k}>", "Position_1>")
    return t[:a1] + blk + t[e3:]


def faelle(text):
    platte_linear = setze_in(setze(setze(text, 1, "TBelastungsfall", 2), 1, "TLinienLast", 2),
                             1, "cLinienLastLinks", "TFd", 120)
    wand_konstant = setze(setze(text, 3, "TBelastungsfall", 1), 3, "TLinienLast", 1)
    wand_linear = setze_in(setze(setze(text, 3, "TBelastungsfall", 2), 3, "TLinienLast", 0),
                           3, "cLinienLastRechts", "TFd", 60)
    platte_beliebig = punkte(setze(text, 1, "TBelastungsfall", 3), 1,
                             [(0, 80), (900, 160), (1700, 60), (2600, 120)])
    return {
        "single-point": nur_position(text, 2),
        "slab-constant": nur_position(text, 1),
        "slab-linear": nur_position(platte_linear, 1),
        "slab-arbitrary": nur_position(platte_beliebig, 1),
        "wall-constant": nur_position(wand_konstant, 3),
        "wall-linear": nur_position(wand_linear, 3),
        "wall-arbitrary": nur_position(text, 3),
    }


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    cli = sys.argv[1]
    aus = Path(sys.argv[2])
    extra = sys.argv[3:]
    (aus / "projects").mkdir(parents=True, exist_ok=True)
    text = REFERENZ.read_text(encoding="utf-8")
    fehler = 0
    for name, projekt in faelle(text).items():
        datei = aus / "projects" / f"{name}.VSK"
        datei.write_text(projekt, encoding="utf-8")
        for art in ARTEN:
            bild = aus / f"{name}-{art}.png"
            r = subprocess.run([cli, "sketch", str(datei), "--kind", art, *extra, "-o", str(bild)],
                               capture_output=True, text=True)
            ok = r.returncode == 0 and bild.exists() and bild.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
            print(("ok   " if ok else "FAIL ") + r.stdout.strip() + r.stderr.strip())
            fehler += 0 if ok else 1
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
