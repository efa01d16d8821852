#!/usr/bin/python3
"""Derives the project files of the report tests from the reader's reference files: a
project with a single connector, rows with constant, linear and arbitrary loads, company
lines and a connector schedule long enough for several pages. Run it again after changing
a case; the files are checked in."""

import re
from pathlib import Path

hier = Path(__file__).parent
quelle = (hier.parent / "projekt" / "referenz_mehrere.VSK").read_text(encoding="utf-8")


def ersetze(text, alt, neu, anzahl=1):
    assert alt in text, alt
    return text.replace(alt, neu, anzahl)


def liste(name, zeilen, einzug):
    if not zeilen:
        return f"{einzug}<{name}/>"
    innen = "".join(f"{einzug}  <String_{i + 1}>{z}</String_{i + 1}>\n"
                    for i, z in enumerate(zeilen))
    return f"{einzug}<{name}>\n{innen}{einzug}</{name}>"


def setze(block, name, wert):
    neu, n = re.subn(f"<{name}>[^<]*</{name}>", f"<{name}>{wert}</{name}>", block, count=1)
    assert n == 1, name
    return neu


def last(block, gruppe, gk, qk, f1, gg, gq):
    a = block.index(f"<{gruppe}>")
    e = block.index(f"</{gruppe}>")
    teil = block[a:e]
    for name, wert in (("TGk", gk), ("TQk", qk), ("TF1", f1), ("Tgg", gg), ("Tgq", gq),
                       ("TFd", gk * gg + qk * gq + f1)):
        teil = setze(teil, name, f"{wert:g}")
    return block[:a] + teil + block[e:]


text = quelle
text = ersetze(text, "<TBauvorhaben>multi01</TBauvorhaben>",
               "<TBauvorhaben>Car park Riverside</TBauvorhaben>")
text = ersetze(text, "      <TFirma/>",
               liste("TFirma", ["Planning Office Example", "Main Street 1", "1234 Town"],
                     "      "))
text = ersetze(text, "<TBearbeiter/>", "<TBearbeiter>J. Engineer</TBearbeiter>")

# Position 4: a copy of position 1 with a linearly rising load.
a = text.index("<Position_1>")
e = text.index("</Position_1>") + len("</Position_1>")
p4 = text[a:e].replace("Position_1>", "Position_4>")
p4 = setze(p4, "TPosition", "multi01-4")
p4 = setze(p4, "TBelastungsfall", "2")
p4 = setze(p4, "TLinienLast", "2")
p4 = last(p4, "cLinienLastLinks", 20.25, 10, 0, 1.35, 1.5)
p4 = last(p4, "cLinienLastRechts", 60, 20, 4.5, 1.35, 1.5)
letzte = text.index("</Position_3>") + len("</Position_3>")
text = text[:letzte] + "\n    " + p4 + text[letzte:]
text = ersetze(text, "<TAnzAnwendung>3</TAnzAnwendung>", "<TAnzAnwendung>4</TAnzAnwendung>")


def eintrag(k, position, typ, anzahl, aktiv, brandschutz=""):
    texte = [position, "1", anzahl, typ, anzahl, "Active" if aktiv else "Not active", str(k),
             brandschutz, "63.2", anzahl]
    return liste(f"TEintrag_{k}", texte, "      ")


eintraege = [eintrag(k, f"Slab {k}", "VSK 7", str(k + 1), k % 5 != 3,
                     "FPS 7" if k % 4 == 0 else "") for k in range(1, 23)]
text = ersetze(text, "    <Stueckliste>\n      <TBemerkung/>\n    </Stueckliste>",
               "    <Stueckliste>\n" +
               liste("TBemerkung", ["Deliver in two lots.", "Fire sleeves see plan F-12."],
                     "      ") + "\n" + "\n".join(eintraege) + "\n    </Stueckliste>")
(hier / "bericht.VSK").write_text(text, encoding="utf-8")
