"""Checks of written DXF files with real readers: the exact line format of the writer,
ezdxf (read back and audited) and, when installed, dime's dxf2vrml as a second parser."""

import os
import re
import shutil
import subprocess
import tempfile

import ezdxf

CODE = re.compile(r"^[ 0-9]{3}$")
REAL = re.compile(r"^-?\d+\.\d{5}$|^-?\d\.\d{6}E[+-]\d+$")
STIL_REAL = re.compile(r"^[ -]\d\.\d{14}E[+-]\d{4}$")
GANZ = re.compile(r"^ *-?\d+$")


class Fehler(Exception):
    pass


def zeilen_pruefen(pfad):
    """The writer's own format: CR LF, codes right-aligned in 3, integers in 6, reals
    with 5 decimals (the STYLE reals in their 23-character form)."""
    daten = open(pfad, "rb").read()
    if b"\n" in daten.replace(b"\r\n", b""):
        raise Fehler(f"{pfad}: a line ends without CR LF")
    zeilen = daten.decode("cp1252").split("\r\n")  # the code page of the file
    if zeilen[-1] != "":
        raise Fehler(f"{pfad}: last line without CR LF")
    zeilen.pop()
    if len(zeilen) % 2:
        raise Fehler(f"{pfad}: odd number of lines")
    im_stil = False
    for i in range(0, len(zeilen), 2):
        code, wert = zeilen[i], zeilen[i + 1]
        if not CODE.match(code) or code != code.strip().rjust(3):
            raise Fehler(f"{pfad}:{i + 1}: group code {code!r}")
        c = int(code)
        if c == 0:
            im_stil = wert == "STYLE"
        if 10 <= c <= 59:
            muster = STIL_REAL if im_stil and c in (40, 41, 42, 50) else REAL
            if not muster.match(wert):
                raise Fehler(f"{pfad}:{i + 2}: real {wert!r} for code {c}")
        if 60 <= c <= 79:
            if not GANZ.match(wert) or len(wert) < 6 and wert != wert.strip().rjust(6):
                raise Fehler(f"{pfad}:{i + 2}: integer {wert!r} for code {c}")
    if zeilen[-2:] != ["  0", "EOF"]:
        raise Fehler(f"{pfad}: does not end with EOF")


def dime_pruefen(pfad):
    programm = shutil.which("dxf2vrml")
    if not programm:
        return
    with tempfile.TemporaryDirectory() as tmp:
        r = subprocess.run([programm, pfad, "-o", os.path.join(tmp, "x.wrl")],
                           capture_output=True, text=True, timeout=60)
        if r.returncode != 0:
            raise Fehler(f"{pfad}: dxf2vrml failed: {r.stdout} {r.stderr}")


def pruefen(pfad):
    """All checks; returns the entity counts per kind in file order of first occurrence
    and the kinds in the order of the ENTITIES section."""
    zeilen_pruefen(pfad)
    doc = ezdxf.readfile(pfad)
    audit = doc.audit()
    if audit.has_errors:
        raise Fehler(f"{pfad}: ezdxf audit: {[str(e) for e in audit.errors]}")
    dime_pruefen(pfad)
    arten = [e.dxftype() for e in doc.modelspace()]
    zaehlung = {}
    for a in arten:
        zaehlung[a] = zaehlung.get(a, 0) + 1
    return zaehlung, arten, doc
