#!/usr/bin/python3
"""Designs a series of variants of a project with vsk-cli: the slab thickness of the first
position from 250 to 400 mm in steps of 50 mm. Prints the recommended connector type, the
number of connectors and the usage of each variant.

    python3 variants.py [PROJECT.VSK]

PROJECT.VSK defaults to row.VSK beside this script; VSK_CLI names another vsk-cli.
"""

import json
import os
import subprocess
import sys
import tempfile

VSK_CLI = os.environ.get("VSK_CLI", "vsk-cli")


def vsk_cli(*args, eingabe=None):
    ergebnis = subprocess.run([VSK_CLI, *args], input=eingabe, capture_output=True, text=True)
    if ergebnis.returncode != 0:
        sys.exit(ergebnis.stderr.strip())
    return ergebnis.stdout


projekt = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "row.VSK")
dokument = json.loads(vsk_cli("export", projekt, "--json"))
geometrie = dokument["positions"][0]["cGeometrie"]
# The effective depth keeps its distance from the slab's upper face.
abstand = geometrie["TPlatteDicke"] - geometrie["TNutzhoehe"]

with tempfile.TemporaryDirectory() as ordner:
    for dicke in range(250, 401, 50):
        geometrie["TPlatteDicke"] = dicke
        geometrie["TNutzhoehe"] = dicke - abstand
        variante = os.path.join(ordner, f"slab-{dicke}.VSK")
        vsk_cli("import", "-", "-o", variante, eingabe=json.dumps(dokument))
        position = json.loads(vsk_cli("design", variante, "--position", "1", "--json"))
        p = position["positions"][0]
        if not p["calculated"]:
            print(f"slab {dicke} mm: {' '.join(p['hints'])}")
            continue
        typ = p["types"][p["TAktDorn"]]
        print(f"slab {dicke} mm: {typ['name']}, {typ['TAnzDorn']} connectors, "
              f"usage {typ['TEtaQ']:.2f}")
