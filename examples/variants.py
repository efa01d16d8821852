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


def vsk_cli(*args, stdin=None):
    result = subprocess.run([VSK_CLI, *args], input=stdin, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(result.stderr.strip())
    return result.stdout


project = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "row.VSK")
document = json.loads(vsk_cli("export", project, "--json"))
geometry = document["positions"][0]["cGeometrie"]
# The effective depth stays the same amount less than the slab thickness.
difference = geometry["TPlatteDicke"] - geometry["TNutzhoehe"]

with tempfile.TemporaryDirectory() as folder:
    for thickness in range(250, 401, 50):
        geometry["TPlatteDicke"] = thickness
        geometry["TNutzhoehe"] = thickness - difference
        variant = os.path.join(folder, f"slab-{thickness}.VSK")
        vsk_cli("import", "-", "-o", variant, stdin=json.dumps(document))
        results = json.loads(vsk_cli("design", variant, "--position", "1", "--json"))
        p = results["positions"][0]
        if not p["calculated"]:
            print(f"slab {thickness} mm: {' '.join(p['hints'])}")
            continue
        recommended = p["types"][p["TAktDorn"]]
        print(f"slab {thickness} mm: {recommended['name']}, {recommended['TAnzDorn']} connectors, "
              f"usage {recommended['TEtaQ']:.2f}")
