"""vsk-cli dxf and connector-drawings end to end: the written drawings are read back with
real readers, and their make-up matches the bars the drawing's own labels state."""

import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(__file__))
import dxfpruefung  # noqa: E402

CLI, DATEN = sys.argv[1], sys.argv[2]
PROJEKT = os.path.join(DATEN, "projekt", "referenz_mehrere.VSK")  # 1 row, 2 single, 3 wall


def cli(*argumente, umgebung=None):
    env = dict(os.environ, **(umgebung or {}))
    return subprocess.run([CLI, *argumente], capture_output=True, text=True, timeout=60,
                          env=env)


def erwartete_anzahl(nB, nD, nL=1):
    """Entities per kind of a reinforcement drawing (one U-bar per layer in the section
    only for nL = 1, which every catalogue type has)."""
    innen = nD // 2 - 1  # inner U-bar pairs and U-bar spacing dimensions
    linien = (26 + 7 * nB + 2 * nD) + (36 + 4 * nL + 2 * nD + 10 * innen) \
        + (31 + (7 * nB + 9 if nB > 0 else 0))
    texte = 1 + (2 + nB) + (4 + 2 * innen) + (2 + (nB + 3 if nB > 0 else 0))
    return {"TEXT": texte, "LINE": linien, "ARC": 3 * nD + 4, "CIRCLE": 4 + 2 * nB * nL}


def pruefe_zeichnung(pfad, anzD=None):
    zaehlung, arten, doc = dxfpruefung.pruefen(pfad)
    msp = list(doc.modelspace())
    texte = [e.dxf.text for e in msp if e.dxftype() == "TEXT"]
    titel = "Reinforcement for Tervo shear connector in the building "
    assert texte[0].startswith(titel), texte[0]
    assert texte[1] == "Plan view", texte[1]
    # Grouped by kind in the order of first occurrence.
    gruppen = [a for i, a in enumerate(arten) if i == 0 or arten[i - 1] != a]
    assert gruppen == ["TEXT", "LINE", "ARC", "CIRCLE"], gruppen

    b = re.fullmatch(r"Top and Bottom: 2 x (\d+) - T(\d+)", texte[2])
    assert b, texte[2]
    nB, dB = int(b.group(1)), int(b.group(2))
    d = [re.fullmatch(r"Vertical Reinforcement: (\d+) - T(\d+) U-bars", t) for t in texte]
    d = [m for m in d if m]
    assert len(d) == 1, texte
    nD = int(d[0].group(1))
    if anzD is not None:
        assert nD == anzD, (pfad, nD)
    assert zaehlung == erwartete_anzahl(nB, nD), (pfad, zaehlung, erwartete_anzahl(nB, nD))

    linien = [e for e in msp if e.dxftype() == "LINE"]
    fuge = linien[0]  # the plan view's joint face
    assert fuge.dxf.color == 5 and fuge.dxf.start.y == 0 and fuge.dxf.end.y == 0
    xl, xr = fuge.dxf.start.x, fuge.dxf.end.x
    ansicht_oben = min(min(l.dxf.start.y, l.dxf.end.y) for l in linien[:4])  # plan view bottom

    def quer(l):
        return l.dxf.color == 7 and l.dxf.start.x == xl and l.dxf.end.x == xr

    grundriss_b = [l for l in linien if quer(l) and l.dxf.start.y > 0]
    ansicht_b = [l for l in linien if quer(l) and l.dxf.start.y < ansicht_oben]
    assert len(grundriss_b) == 2 * nB, (pfad, len(grundriss_b), nB)
    assert len(ansicht_b) == 2 * 2, (pfad, len(ansicht_b))

    boegen = [e for e in msp if e.dxftype() == "ARC"]
    schnitt_x = xr + 1  # the section lies right of the view
    grundriss = [a for a in boegen if a.dxf.center.y > ansicht_oben]
    ansicht = [a for a in boegen if a.dxf.center.y < ansicht_oben and a.dxf.center.x < schnitt_x]
    schnitt = [a for a in boegen if a.dxf.center.x >= schnitt_x]
    assert (len(grundriss), len(ansicht), len(schnitt)) == (nD, 2 * nD, 4), (pfad, nD)

    kreise = [e for e in msp if e.dxftype() == "CIRCLE"]
    b_kreise = [k for k in kreise if k.dxf.center.x >= schnitt_x and k.dxf.radius == dB / 2]
    assert len(b_kreise) == 2 * nB, (pfad, len(b_kreise), nB)
    return nB, nD


def main():
    with tempfile.TemporaryDirectory() as tmp:
        def ziel(name):
            return os.path.join(tmp, name)

        # A row, a single connector, a type with four U-bars.
        for name, argumente, anzD in [
            ("reihe.dxf", ["--position", "1"], None),
            ("einzeln.dxf", ["--position", "2"], None),
            ("vier.dxf", ["--position", "2", "--type", "0"], 4),
            ("wand.dxf", ["--position", "3", "--type", "VSKQ 6"], None),
        ]:
            r = cli("dxf", PROJEKT, *argumente, "-o", ziel(name))
            assert r.returncode == 0, (name, r.stdout, r.stderr)
            pruefe_zeichnung(ziel(name), anzD)

        # A German locale writes its separator into the dimension texts only; the
        # coordinates keep their point (the line format check).
        text = open(PROJEKT, encoding="utf-8").read()
        alt = "<TPlatteDicke>436</TPlatteDicke>"
        assert alt in text
        with open(ziel("halb.VSK"), "w", encoding="utf-8") as f:
            f.write(text.replace(alt, "<TPlatteDicke>436.5</TPlatteDicke>", 1))
        for sprache, zahl in (("de_DE.UTF-8", "436,5"), ("C", "436.5")):
            r = cli("dxf", ziel("halb.VSK"), "--position", "1", "-o", ziel("komma.dxf"),
                    umgebung={"LC_ALL": sprache, "LANG": sprache})
            assert r.returncode == 0, r.stderr
            pruefe_zeichnung(ziel("komma.dxf"))
            _, _, doc = dxfpruefung.pruefen(ziel("komma.dxf"))
            texte = [t.dxf.text for t in doc.modelspace().query("TEXT")]
            assert texte.count(zahl) == 2, (sprache, texte)  # view and section

        # Failures: a message, exit status 1, no file.
        r = cli("dxf", PROJEKT, "-o", os.path.join(tmp, "fehlt", "x.dxf"))
        assert r.returncode == 1 and "could not be written" in r.stderr, r.stderr
        assert not os.path.exists(os.path.join(tmp, "fehlt"))
        r = cli("dxf", os.path.join(DATEN, "projekt", "kein_xml.VSK"), "-o", ziel("n.dxf"))
        assert r.returncode == 1 and not os.path.exists(ziel("n.dxf")), r
        r = cli("dxf", os.path.join(DATEN, "projekt", "abgebrochen.VSK"), "-o", ziel("n.dxf"))
        assert r.returncode == 1 and "could not be read" in r.stderr, r
        assert not os.path.exists(ziel("n.dxf"))
        r = cli("dxf", PROJEKT, "--position", "9", "-o", ziel("n.dxf"))
        assert r.returncode == 2 and not os.path.exists(ziel("n.dxf")), r
        assert cli("dxf", PROJEKT).returncode == 2

        # The prepared drawings of a type.
        r = cli("connector-drawings", "--type", "6", "-o", ziel("Plan.dxf"))
        assert r.returncode == 0, r.stderr
        for teil in ("Plan View Block", "Side View Block", "End View Block"):
            dxfpruefung.pruefen(ziel(f"Plan {teil}.dxf"))
        r = cli("connector-drawings", "--type", "12", "-o", ziel("Plan.DWG"))
        assert r.returncode == 1 and "no DWG drawings of VSKQ 4" in r.stderr, r.stderr
        assert not os.path.exists(ziel("Plan Plan View Block.DWG"))
        assert cli("connector-drawings", "--type", "19", "-o", ziel("x.dxf")).returncode == 2
    print("vsk-cli dxf and connector-drawings checked")


if __name__ == "__main__":
    main()
