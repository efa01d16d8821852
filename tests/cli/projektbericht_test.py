#!/usr/bin/python3
"""vsk-cli report --all: the project report of examples/multi.VSK and of a generated
20-position project, read back with pdfinfo, pdftotext and qpdf: the page count (summary,
each position's pages, schedule), "Page k of n" on every page, each position's title on its
first page, the summary rows against vsk-cli design --json, title, author and bookmarks;
positions not calculated; usage and file errors."""

import json
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

cli, generator, aus = sys.argv[1], sys.argv[2], Path(sys.argv[3])
wurzel = Path(__file__).resolve().parents[2]
fehler = []
aus.mkdir(parents=True, exist_ok=True)

for werkzeug in ("pdfinfo", "pdftotext", "qpdf"):
    if not shutil.which(werkzeug):
        print(f"{werkzeug} not installed")
        sys.exit(77)


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)


def lauf(*argumente):
    return subprocess.run([cli, *map(str, argumente)], capture_output=True, text=True)


def pdfinfo(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], capture_output=True, text=True).stdout
    return dict(re.findall(r"^(\w+):\s*(.*)$", info, re.M))


def seitentexte(pdf):
    r = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True, text=True)
    return [re.sub(r"[ \t]+", " ", s) for s in r.stdout.split("\f")[:-1]]


def lesezeichen(pdf):
    r = subprocess.run(["qpdf", "--json", "--json-key=outlines", str(pdf)], capture_output=True,
                       text=True)
    return [(o["title"], o["destpageposfrom1"]) for o in json.loads(r.stdout)["outlines"]]


def positionen(projekt):
    """(name, load type, calculated) of every position, from the project file."""
    baum = ET.parse(projekt).getroot()
    return [(a.findtext(".//TPosition"), int(a.findtext(".//TBelastungsfall")),
             a.findtext(".//TBerechnet") == "1")
            for a in baum.iter() if a.find("TPosition") is not None]


def projektbericht(name, projekt, *optionen, nicht_berechnet=()):
    pdf = aus / f"{name}.pdf"
    r = lauf("report", projekt, "--all", "--pdf", pdf, *optionen)
    pruefe(r.returncode == 0, f"{name}: exit {r.returncode} {r.stderr}")
    info = pdfinfo(pdf)
    n = int(info.get("Pages", -1))
    liste = aus / f"{name}-schedule.pdf"
    lauf("schedule", projekt, "--pdf", liste)
    listenseiten = int(pdfinfo(liste).get("Pages", -1))
    entwurf = json.loads(lauf("design", projekt, "--json").stdout)["positions"]
    pos = positionen(projekt)
    erwartet = f"{pdf}: {n} pages, {len(pos)} positions"
    if nicht_berechnet:
        erwartet += f", {len(nicht_berechnet)} not calculated"
    pruefe(r.stdout.strip() == erwartet, f"{name}: output {r.stdout!r}, expected {erwartet!r}")

    seiten = seitentexte(pdf)
    pruefe(len(seiten) == n, f"{name}: {len(seiten)} page texts for {n} pages")
    for k, t in enumerate(seiten, 1):
        pruefe(f"Page {k} of {n}" in t, f"{name}: no 'Page {k} of {n}'")
    uebersicht = sum(1 for t in seiten if "Project Report" in t)
    pruefe(uebersicht >= 1, f"{name}: no summary page")
    mit_bericht = [i for i in range(len(pos)) if i + 1 not in nicht_berechnet]
    positionsseiten = sum(3 if pos[i][1] == 3 else 2 for i in mit_bericht)
    pruefe(n == uebersicht + positionsseiten + listenseiten,
           f"{name}: {n} pages != {uebersicht} + {positionsseiten} + {listenseiten}")

    # The summary rows: the design of vsk-cli design --json, and where each report starts.
    zeilen = {}
    for t in seiten[:uebersicht]:
        for m in re.finditer(r"^ ?(\d+) (.*?) (VSKQ? \d+) (\d+) ([\d.]+) % (usable|not usable)"
                             r" (\d+)$|^ ?(\d+) (.*) not calculated$", t, re.M):
            if m.group(1):
                zeilen[int(m.group(1))] = (m.group(3), int(m.group(4)), float(m.group(5)),
                                           m.group(6), int(m.group(7)))
            else:
                zeilen[int(m.group(8))] = None
    pruefe(sorted(zeilen) == list(range(1, len(pos) + 1)), f"{name}: rows {sorted(zeilen)}")
    seite = uebersicht + 1
    erwartete_zeichen = [("Summary", 1)]
    for nummer, e in enumerate(entwurf, 1):
        zeile = zeilen.get(nummer)
        if nummer in nicht_berechnet:
            pruefe(zeile is None, f"{name}: position {nummer} is listed as calculated")
            continue
        typ = e["types"][e["TAktDorn"]]
        brauchbar = typ["TStatus"] == 0 and typ["TEtaQ"] < 1
        soll = (typ["name"], typ["TAnzDorn"], round(typ["TEtaQ"] * 100, 1),
                "usable" if brauchbar else "not usable", seite)
        pruefe(zeile is not None and zeile[:2] == soll[:2] and abs(zeile[2] - soll[2]) < 0.051
               and zeile[3:] == soll[3:], f"{name}: position {nummer}: {zeile} != {soll}")
        pruefe(f"Calculation for {typ['name']}" in seiten[seite - 1],
               f"{name}: page {seite} is not the first of position {nummer}")
        erwartete_zeichen.append((f"{nummer} {pos[nummer - 1][0]}", seite))
        seite += 3 if pos[nummer - 1][1] == 3 else 2
    if listenseiten > 0:
        erwartete_zeichen.append(("Connector Schedule", seite))
    pruefe(lesezeichen(pdf) == erwartete_zeichen,
           f"{name}: bookmarks {lesezeichen(pdf)} != {erwartete_zeichen}")
    return info


info = projektbericht("multi", wurzel / "examples" / "multi.VSK")
pruefe(info.get("Title", "").startswith("Project Report - "), f"multi: title {info.get('Title')}")

# A generated project of 20 designed positions with arbitrary loads.
zwanzig = aus / "zwanzig.VSK"
subprocess.run([generator, "20", str(zwanzig)], check=True)
info = projektbericht("zwanzig", zwanzig)
pruefe(info.get("Author") == "J. Engineer", f"zwanzig: author {info.get('Author')}")

# Positions 3 and 5 not calculated: designed first, or listed as such with --no-design.
text = zwanzig.read_text(encoding="utf-8")
stellen = [m.start() for m in re.finditer(r"<TBerechnet>1</TBerechnet>", text)]
for s in reversed([stellen[2], stellen[4]]):
    text = text[:s] + "<TBerechnet>0</TBerechnet>" + text[s + len("<TBerechnet>1</TBerechnet>"):]
offen = aus / "offen.VSK"
offen.write_text(text, encoding="utf-8")
projektbericht("offen", offen)
projektbericht("offen-roh", offen, "--no-design", nicht_berechnet=(3, 5))

# Usage errors: exit 2, nothing written.
for argumente in (["--all"], ["--all", "--png", aus / "png"],
                  ["--all", "--pdf", aus / "x.pdf", "--position", "1"],
                  ["--no-design", "--pdf", aus / "x.pdf"]):
    r = lauf("report", zwanzig, *argumente)
    pruefe(r.returncode == 2, f"usage {argumente}: exit {r.returncode}")
pruefe(not (aus / "x.pdf").exists(), "usage: nothing written")

# An unwritable target: exit 1.
r = lauf("report", zwanzig, "--all", "--pdf", aus / "no-such-dir" / "x.pdf")
pruefe(r.returncode == 1 and "cannot write" in r.stderr, f"unwritable: {r.returncode} {r.stderr}")

if fehler:
    print("\n".join(fehler))
    sys.exit(1)
print("project report: all checks passed")
