#!/usr/bin/python3
"""vsk-cli report and schedule --pdf: PDF pages of a single connector and of rows with constant, linear and
arbitrary loads, read back with pdfinfo and pdftotext; the preview pages as PNG; the type
option; usage and file errors."""

import re
import shutil
import subprocess
import sys
from pathlib import Path

cli = sys.argv[1]
aus = Path(sys.argv[2])
wurzel = Path(__file__).resolve().parents[2]
projekt = wurzel / "tests" / "data" / "reports" / "bericht.VSK"
fehler = []
aus.mkdir(parents=True, exist_ok=True)

if not shutil.which("pdfinfo") or not shutil.which("pdftotext"):
    print("poppler-utils not installed")
    sys.exit(77)


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([cli, "report", *map(str, argumente)], capture_output=True, text=True)


def seiten(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True).stdout
    m = re.search(r"Pages:\s+(\d+)", info)
    return (int(m.group(1)) if m else -1), info


def text(pdf, seite=None):
    bereich = ["-f", str(seite), "-l", str(seite)] if seite else []
    r = subprocess.run(["pdftotext", "-layout", *bereich, str(pdf), "-"], capture_output=True,
                       text=True)
    # One blank between words, so that checks do not depend on column widths.
    return re.sub(r"[ \t]+", " ", r.stdout)


def enthaelt(t, stuecke, name):
    for s in stuecke:
        pruefe(s in t, f"{name}: missing {s!r}")


def fehlt(t, stuecke, name):
    for s in stuecke:
        pruefe(s not in t, f"{name}: unexpected {s!r}")


# Every report: the frame, the input block, the result block, the glyphs.
gemeinsam = ["Tervo - VSK / VSKQ Shear Connector", "Company: Planning Office Example",
             "Main Street 1", "1234 Town", "Project: Car park Riverside", "Designer: J. Engineer",
             "Date: 09.12.2025", "Printed from:", "Input", "Concrete quality",
             "Slab thickness d = ", "Concrete cover above co = ", "Max. joint width f \u2264 ",
             "Results", "Actual area of main reinf\u00b4t", "Req\u00b4d area of main reinf\u00b4t",
             " mm\u00b2", "Connector design load FSd,act = ", "Connector usage \u03b7 = ",
             "Concrete capacity usage \u03b7c = ", "Reinforcement capacity usage \u03b7re = ",
             " %", " kN"]

faelle = {
    # position: (pages, title type, texts on page 1, texts not on page 1)
    1: (2, ["Row of shear connectors - connection slab to slab", "Linear load",
            "Dead load qg = 155 kN/m", "Partial safety factor \u03b3g = 1.2",
            "Total design load qEd = qg \u00d7 \u03b3g + qq \u00d7 \u03b3q + qd",
            "no. of dowels", "with FSd,tot = lf \u00d7 qEd", "Joint length lf = 2600 mm",
            "Actual connector spacing eact = ", "Minimum connector spacing emin = "],
        ["see next page", "Given edge distance"]),
    2: (2, ["Single shear connector loaded with point load", "Single load to connector",
            "Given edge distance cL = 1000 mm", "cR = 1061 mm", "Dead load Vg = 3.2 kN",
            "VEd = Vg \u00d7 \u03b3g + Vq \u00d7 \u03b3q + Vd", "FSd,act = VEd"],
        ["Joint length", "connector spacing", "see next page"]),
    3: (3, ["Row of shear connectors - connection slab to wall", "Varying distributed load",
            "Total design load see next page", "Wall thickness dw = 270 mm",
            "no. of dowels"],
        ["= 2.76 m", "Partial safety factor"]),
    4: (2, ["Uniform distributed load", "qg,L = 20.2 kN/m", "qg,R = 60 kN/m",
            "qd,R = 4.5 kN/m", "qEd,L = 42.3 kN/m", "qEd,R = 115.5 kN/m",
            "qEd,L = qg,L \u00d7 \u03b3g + qq,L \u00d7 \u03b3q + qd,L"],
        ["see next page"]),
}

for nummer, (anzahl, auf1, nicht1) in faelle.items():
    pdf = aus / f"position{nummer}.pdf"
    r = lauf(projekt, "--position", nummer, "--pdf", pdf)
    name = f"position {nummer}"
    pruefe(r.returncode == 0, f"{name}: exit {r.returncode} {r.stderr}")
    pruefe(re.fullmatch(rf"{re.escape(str(pdf))}: {anzahl} pages, VSK[Q]? \d+, position {nummer}",
                        r.stdout.strip()) is not None, f"{name}: output {r.stdout!r}")
    n, info = seiten(pdf)
    pruefe(n == anzahl, f"{name}: {n} pages, expected {anzahl}")
    pruefe("(A4)" in info, f"{name}: not A4: {info}")
    seite1 = text(pdf, 1)
    enthaelt(seite1, gemeinsam + auf1, name)
    fehlt(seite1, nicht1, name)
    titel = re.search(r"Calculation for (VSKQ? \d+)", seite1)
    pruefe(titel is not None, f"{name}: no title")
    if titel:
        pruefe(f"Selected: " in seite1 and f"* {titel.group(1)}" in seite1,
               f"{name}: selected line names the title's type")
    alle = text(pdf)
    pruefe(alle.count("Calculation for ") == anzahl, f"{name}: a frame on every page")
    letzte = text(pdf, anzahl)
    enthaelt(letzte, ["Vertical Reinforcement: ", "Top and Bottom: "], name + " sketch page")

# The load page of the arbitrary load: the table of points in metres.
# (The formula of the total force is a picture, not text; narrow texts lose their blanks
# in pdftotext, so these checks ignore blanks.)
lastseite = text(aus / "position3.pdf", 2).replace(" ", "")
enthaelt(lastseite, ["Varyingdistributedload", "x=0m", "x=1.5m", "x=2.76m", "x=4.6m",
                     "qEd=58.3kN/m", "qEd=31.2kN/m"], "load page")

# Another type than the recommended one.
r = lauf(projekt, "--position", 1, "--type", "VSK 9", "--pdf", aus / "typ.pdf")
pruefe(r.returncode == 0 and "VSK 9, position 1" in r.stdout, "type: " + r.stdout + r.stderr)
pruefe("Calculation for VSK 9" in text(aus / "typ.pdf", 1), "type: title")
# The type also by its identifier, in any letter case, as the other commands take it.
r = lauf(projekt, "--position", 1, "--type", "vsk_009", "--pdf", aus / "typ2.pdf")
pruefe(r.returncode == 0 and "VSK 9, position 1" in r.stdout, "type id: " + r.stdout + r.stderr)

# Preview pages as PNG at 96 pixels per inch.
png = aus / "png"
r = lauf(projekt, "--position", 3, "--png", png)
pruefe(r.returncode == 0, "png: " + r.stderr)
bilder = sorted(png.glob("page-*.png"))
pruefe([b.name for b in bilder] == ["page-1.png", "page-2.png", "page-3.png"],
       f"png: pages {[b.name for b in bilder]}")
for b in bilder:
    daten = b.read_bytes()
    groesse = (int.from_bytes(daten[16:20], "big"), int.from_bytes(daten[20:24], "big"))
    pruefe(daten[:4] == b"\x89PNG" and groesse[0] > 700 and groesse[1] > 1000,
           f"png: {b.name} {groesse}")

# Usage errors: exit 2, nothing written.
for argumente in ([projekt], [projekt, "--pdf"], [projekt, "--type", "19", "--pdf", aus / "x.pdf"],
                  [projekt, "--position", 5, "--pdf", aus / "x.pdf"],
                  [projekt, "--position", 0, "--pdf", aus / "x.pdf"],
                  ["--pdf", aus / "x.pdf"], [projekt, "--bogus", "--pdf", aus / "x.pdf"]):
    r = lauf(*argumente)
    pruefe(r.returncode == 2, f"usage {argumente}: exit {r.returncode}")
pruefe(not (aus / "x.pdf").exists(), "usage: nothing written")

# File errors: exit 1; an unwritable target leaves the file that was there.
r = lauf(aus / "missing.VSK", "--pdf", aus / "x.pdf")
pruefe(r.returncode == 1, f"missing project: exit {r.returncode}")
# Never a report of half a file.
halb = aus / "half.VSK"
halb.write_bytes(Path(projekt).read_bytes()[:3000])
r = lauf(halb, "--pdf", aus / "x.pdf")
pruefe(r.returncode == 1 and "could not be read completely" in r.stderr
       and not (aus / "x.pdf").exists(), f"half file: {r.returncode} {r.stderr}")
r = lauf(projekt, "--pdf", aus / "no-such-dir" / "x.pdf")
pruefe(r.returncode == 1 and "cannot write" in r.stderr, f"unwritable: {r.returncode} {r.stderr}")

# A calculated position is reported with the type its engineer selected (stored in the file),
# not the recommendation of a new design; --type still chooses.
gewaehlt = aus / "chosen.VSK"
gewaehlt.write_text((wurzel / "examples" / "row.VSK").read_text(encoding="utf-8")
                    .replace("<TAktDorn>4</TAktDorn>", "<TAktDorn>9</TAktDorn>", 1), encoding="utf-8")
r = lauf(gewaehlt, "--pdf", aus / "chosen.pdf")
pruefe(r.returncode == 0 and "pages, VSK 10," in r.stdout, f"stored type: {r.stdout} {r.stderr}")
pruefe("Calculation for VSK 10" in text(aus / "chosen.pdf", 1), "stored type: report title")
r = lauf(gewaehlt, "--type", "VSK 7", "--pdf", aus / "chosen.pdf")
pruefe(r.returncode == 0 and "pages, VSK 7," in r.stdout, f"--type: {r.stdout} {r.stderr}")

# vsk-cli schedule --pdf: 22 entries, 4 of them inactive, on several pages each with its frame.
liste = aus / "schedule.pdf"
r = subprocess.run([cli, "schedule", str(projekt), "--pdf", str(liste)], capture_output=True,
                   text=True)
pruefe(r.returncode == 0, f"schedule: exit {r.returncode} {r.stderr}")
n, info = seiten(liste)
pruefe(n > 1 and r.stdout.strip() == f"{liste}: {n} pages", f"schedule: {n} pages {r.stdout!r}")
pruefe("(A4)" in info, "schedule: A4")
t = text(liste)
pruefe(t.count("Connector Schedule") == n, "schedule: a frame on every page")
pruefe(t.count("Material: stainless steel 1.4462") == 18, "schedule: 18 active items")
for k in range(1, 23):
    aktiv = k % 5 != 3
    pruefe((f"Position(s): Slab {k}\n" in t) == aktiv, f"schedule: Slab {k} active={aktiv}")
pruefe(re.search(r"^ *18 +Shear connectors supply", t, re.M) is not None, "schedule: item 18")
pruefe(re.search(r"^ *19 +Shear connectors supply", t, re.M) is None, "schedule: no item 19")
enthaelt(t, ["Deliver in two lots.", "Mat.-Pos", "Quantity of parts", "Designation",
             "and fire protection sleeve", "Type: FPS 7",
             "max. design Resistance FRd: 63.2 kN"], "schedule")
r = subprocess.run([cli, "schedule", str(projekt), "--pdf", str(aus / "no-such-dir" / "l.pdf")],
                   capture_output=True, text=True)
pruefe(r.returncode == 1, f"schedule unwritable: exit {r.returncode}")

if fehler:
    print("\n".join(fehler))
    sys.exit(1)
print("report: all checks passed")
