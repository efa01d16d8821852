#!/usr/bin/python3
"""Derives the damaged and unusual project files of the reader tests from the reference
files beside this script. Run it again after changing a case; the files are checked in."""

import re
from pathlib import Path

hier = Path(__file__).parent
einzeln = (hier / "referenz_einzeln.VSK").read_text(encoding="utf-8")
mehrere = (hier / "referenz_mehrere.VSK").read_text(encoding="utf-8")


def schreibe(name, text, kodierung="utf-8"):
    (hier / name).write_bytes(text.encode(kodierung))


def ersetze(text, alt, neu, anzahl=1):
    assert alt in text, alt
    return text.replace(alt, neu, anzahl)


def position(text, k):
    """Start and end offsets of the element Position_k."""
    a = text.index(f"<Position_{k}>")
    e = text.index(f"</Position_{k}>") + len(f"</Position_{k}>")
    return a, e


def setze(text, k, name, wert):
    """Sets the first element of that name inside Position_k (k = 0: the whole file)."""
    a, e = position(text, k) if k else (0, len(text))
    blk, n = re.subn(rf"<{name}>[^<]*</{name}>", f"<{name}>{wert}</{name}>", text[a:e], count=1)
    assert n == 1, name
    return text[:a] + blk + text[e:]


# The failure table.
schreibe("kein_xml.VSK", "Das ist kein XML <VSK_2.0>\n")
schreibe("abgebrochen.VSK", mehrere[: len(mehrere) // 2])
schreibe("wurzel_ein_kind.VSK",
         '<?xml version="1.0" encoding="UTF-8"?>\n<VSK_2.0>\n  <Copyright>x</Copyright>\n</VSK_2.0>\n')
schreibe("fremder_kopf.VSK",
         ersetze(mehrere, 'Name="Tervo - VSK / VSKQ Shear Connector"', 'Name="Some Other Program"'))
schreibe("kopf_ohne_name.VSK",
         ersetze(mehrere, 'Name="Tervo - VSK / VSKQ Shear Connector" ', ""))
schreibe("alte_version.VSK", ersetze(mehrere, 'Version="VSK - 2.0"', 'Version="VSK - 1.5"'))
schreibe("projektwert_keine_zahl.VSK",
         ersetze(mehrere, "<TEingabeDorn>6</TEingabeDorn>", "<TEingabeDorn>sechs</TEingabeDorn>"))
a = mehrere.index("    <Projektbeschreibung>")
e = mehrere.index("</Projektbeschreibung>\n") + len("</Projektbeschreibung>\n")
schreibe("ohne_projektbeschreibung.VSK", mehrere[:a] + mehrere[e:])
t = setze(mehrere, 1, "TPlatteDicke", "208.5")
a, e = position(t, 1)
blk = t[a:e]
g = blk.index("      <cGeometrie>")
blk = blk[:g] + re.sub(r"\n\s*<TWandDicke>[^<]*</TWandDicke>", "", blk[g:], count=1)
schreibe("ohne_wanddicke.VSK", t[:a] + blk + t[e:])

# Loading, results and schedule details.
t = ersetze(einzeln, """        <TbeliebigeLast_0_x>0</TbeliebigeLast_0_x>
        <TbeliebigeLast_0_y>0</TbeliebigeLast_0_y>
        <TbeliebigeLast_1_x>2000</TbeliebigeLast_1_x>
        <TbeliebigeLast_1_y>0</TbeliebigeLast_1_y>
""", """        <TbeliebigeLast_0_x>3000</TbeliebigeLast_0_x>
        <TbeliebigeLast_0_y>30</TbeliebigeLast_0_y>
        <TbeliebigeLast_1_x>1000</TbeliebigeLast_1_x>
        <TbeliebigeLast_1_y>10</TbeliebigeLast_1_y>
        <TbeliebigeLast_2_x>20000</TbeliebigeLast_2_x>
        <TbeliebigeLast_2_y>20</TbeliebigeLast_2_y>
""")
t = ersetze(t, "<TStatusd>1</TStatusd>", "<TStatusd>2</TStatusd>")
t = ersetze(t, """    <Stueckliste>
      <TBemerkung/>
    </Stueckliste>""", """    <Stueckliste>
      <TBemerkung>
        <String_1>Bemerkung A</String_1>
        <String_2>Bemerkung B</String_2>
      </TBemerkung>
      <TEintrag_1>
        <String_1>Slab A</String_1>
        <String_2>1</String_2>
        <String_3>8</String_3>
        <String_4>VSK 7</String_4>
        <String_5>8</String_5>
        <String_6>Active</String_6>
        <String_7>2</String_7>
        <String_8/>
        <String_9>63.2</String_9>
        <String_10>8</String_10>
      </TEintrag_1>
      <TEintrag_2>
        <String_1>Wall B</String_1>
        <String_2>2</String_2>
      </TEintrag_2>
    </Stueckliste>""")
schreibe("einzelheiten.VSK", t)

# Values that would index tables or lists, out of their ranges.
t = mehrere
for name, wert in [("TAktAnwendung", 99), ("TEingabeDorn", 19), ("TSkizzeAnzeige", 6),
                   ("TErgebnisAnzeige", -1)]:
    t = setze(t, 0, name, wert)
for name, wert in [("TMaxDornabstand", 2), ("TBewehrungCalc", 256), ("TAnwendungsfall", 3),
                   ("TBetonguete", 4), ("TStahlguete", 2), ("TBelastungsfall", 4),
                   ("TLinienLast", 3), ("TFugenbreite", 7), ("TAktDorn", 20)]:
    t = setze(t, 1, name, wert)
schreibe("indizes_ausserhalb.VSK", t)
schreibe("anzahl_null.VSK", ersetze(mehrere, "<TAnzAnwendung>3<", "<TAnzAnwendung>0<"))
a, _ = position(einzeln, 1)
e = einzeln.index("  </Projekt>")
schreibe("anzahl_60000.VSK",
         ersetze(einzeln[:a] + einzeln[e:], "<TAnzAnwendung>1<", "<TAnzAnwendung>60000<"))

# Encodings older programs wrote, and decimal commas.
latin = ersetze(einzeln, "<TBauvorhaben>case17_row1_load1</TBauvorhaben>",
                "<TBauvorhaben>Überbauung Süd, Straße</TBauvorhaben>")
schreibe("iso8859.VSK", ersetze(latin, 'encoding="UTF-8"', 'encoding="ISO-8859-1"'), "latin-1")
w = ersetze(latin, "Straße", "Straße – 5 €")
schreibe("cp1252.VSK", ersetze(w, 'encoding="UTF-8"', 'encoding="windows-1252"'), "cp1252")
schreibe("cp1252_ohne_deklaration.VSK",
         ersetze(w, '<?xml version="1.0" encoding="UTF-8"?>\n', ""), "cp1252")
schreibe("komma.VSK", re.sub(r">(-?\d+)\.(\d+)<", r">\1,\2<", einzeln))

# Hostile files: entities must neither be fetched nor expanded.
lol = "".join(f'<!ENTITY l{i} "' + f"&l{i - 1};" * 10 + '">' for i in range(1, 10))
schreibe("entitaeten.VSK", ersetze(
    einzeln, "<VSK_2.0>",
    '<!DOCTYPE VSK_2.0 [<!ENTITY l0 "lol">' + lol +
    '<!ENTITY extern SYSTEM "file:///etc/passwd">]>\n<VSK_2.0>').replace(
    "<TBauvorhaben>case17_row1_load1</TBauvorhaben>",
    "<TBauvorhaben>A&l9;&extern;B</TBauvorhaben>"))
schreibe("extern.VSK", ersetze(
    einzeln, "<VSK_2.0>",
    '<!DOCTYPE VSK_2.0 [<!ENTITY kurz "kurz"><!ENTITY extern SYSTEM "file:///etc/passwd">]>\n'
    '<VSK_2.0>').replace("<TBauvorhaben>case17_row1_load1</TBauvorhaben>",
                         "<TBauvorhaben>A&kurz;&extern;B&amp;&#228;</TBauvorhaben>"))
