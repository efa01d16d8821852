#!/usr/bin/python3
"""End-to-end tests of the engineers' data in and out of vsk-cli: projects as JSON documents
(export, import, their schema, the variants script of the user guide), the connector
schedule as a spreadsheet (read back with openpyxl), and what scripts expect of the program
(--version, COMMAND --help, output names without an extension).

Usage: daten_test.py VSK_CLI SOURCE_DIR
"""

import csv
import io
import json
import os
import subprocess
import sys
import tempfile
import unittest
from unittest import mock
from pathlib import Path

import jsonschema
import openpyxl

CLI = SRC = None


def run(*args, stdin=None):
    env = dict(os.environ, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([CLI, *map(str, args)], input=stdin, capture_output=True, text=True,
                          env=env, timeout=120)


def ok(*args, stdin=None):
    r = run(*args, stdin=stdin)
    if r.returncode != 0:
        raise AssertionError(f"vsk-cli {' '.join(map(str, args))}: exit {r.returncode}: {r.stderr}")
    return r.stdout


def design(path):
    d = json.loads(ok("design", path, "--json"))
    del d["file"]
    return d


def schema(name):
    with open(SRC / "docs" / name, encoding="utf-8") as f:
        return jsonschema.Draft202012Validator(json.load(f))


class Projects(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = Path(self.tmp.name)

    def tearDown(self):
        self.tmp.cleanup()

    def test_export_then_import_designs_the_same(self):
        files = sorted((SRC / "tests" / "data" / "design").glob("*.VSK"))
        files += sorted((SRC / "examples").glob("*.VSK"))
        self.assertGreater(len(files), 10)
        documents = schema("project-json.schema.json")
        for original in files:
            with self.subTest(original.name):
                data = self.dir / (original.stem + ".json")
                ok("export", original, "--json", "-o", data)
                copy = self.dir / (original.stem + ".VSK")
                r = run("import", data, "-o", copy)
                if original.name == "fail01.VSK":
                    # Its slab is thinner than the field accepts: refused as typed in.
                    self.assertEqual(r.returncode, 1)
                    self.assertIn('Position 1, key "cGeometrie/TPlatteDicke": Input value is '
                                  "smaller than allowed!", r.stderr)
                    self.assertFalse(copy.exists())
                    continue
                self.assertEqual(r.returncode, 0, r.stderr)
                documents.validate(json.loads(data.read_text(encoding="utf-8")))
                self.assertEqual(design(copy), design(original))

    def test_a_bad_document_writes_nothing(self):
        target = self.dir / "out.VSK"
        target.write_bytes(b"old content")
        cases = [
            ('{"positions": [{"cGeometrie": {"TPlattenDicke": 300}}]}',
             'Position 1, key "cGeometrie/TPlattenDicke": Unknown key.'),
            ('{"positions": [{}, {"cGeometrie": {"TFugenlaenge": 40000}}]}',
             'Position 2, key "cGeometrie/TFugenlaenge": Input value is greater than allowed!'),
            ('{"positions": [{"TBetonguete": "C30/37"}]}',
             'Position 1, key "TBetonguete": A number is expected.'),
            ('{"positions": [{"TPosition": "1"}', "The document is not JSON (line 1, column"),
        ]
        for document, message in cases:
            with self.subTest(message):
                data = self.dir / "bad.json"
                data.write_text(document, encoding="utf-8")
                r = run("import", data, "-o", target)
                self.assertEqual(r.returncode, 1)
                self.assertIn(message, r.stderr)
                self.assertEqual(r.stdout, "")
                self.assertEqual(target.read_bytes(), b"old content")
                self.assertEqual(sorted(p.name for p in self.dir.iterdir()), ["bad.json", "out.VSK"])
        # A document converted over itself would be lost.
        r = run("import", data, "-o", data)
        self.assertEqual(r.returncode, 2)
        self.assertIn("would replace the input file", r.stderr)
        self.assertEqual(data.read_text(encoding="utf-8"), cases[-1][0])

    def test_examples_and_the_guides_script(self):
        documents = schema("project-json.schema.json")
        examples = sorted((SRC / "examples").glob("*.json"))
        self.assertTrue(examples)
        for example in examples:
            with self.subTest(example.name):
                documents.validate(json.loads(example.read_text(encoding="utf-8")))
                ok("import", example, "-o", self.dir / example.stem)
                self.assertTrue((self.dir / (example.stem + ".VSK")).is_file())
        # The schema is as strict as the program: an unknown key fails it too.
        with self.assertRaises(jsonschema.ValidationError):
            documents.validate({"positions": [{"TPlattenDicke": 300}]})
        env = dict(os.environ, VSK_CLI=str(CLI), LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        r = subprocess.run([sys.executable, SRC / "examples" / "variants.py"], env=env,
                           capture_output=True, text=True, timeout=300)
        self.assertEqual(r.returncode, 0, r.stderr)
        lines = r.stdout.splitlines()
        self.assertEqual(len(lines), 4, r.stdout)
        self.assertRegex(lines[0], r"^slab 250 mm: VSKQ? \d+, \d+ connectors, usage \d\.\d\d$")

    def test_design_json_follows_its_schema(self):
        results = schema("design-json.schema.json")
        for path in sorted((SRC / "tests" / "data" / "design").glob("*.VSK")):
            with self.subTest(path.name):
                results.validate(json.loads(ok("design", path, "--json")))


class Schedule(unittest.TestCase):
    def test_spreadsheet_holds_the_rows_of_the_text_export(self):
        project = SRC / "examples" / "multi.VSK"
        with tempfile.TemporaryDirectory() as tmp:
            # A TMPDIR that names no directory does not stop the spreadsheet.
            with mock.patch.dict(os.environ, {"TMPDIR": str(Path(tmp) / "none")}):
                ok("schedule", project, "--csv", Path(tmp) / "liste", "--xlsx",
                   Path(tmp) / "liste", "--txt", Path(tmp) / "liste")
            self.assertEqual(sorted(os.listdir(tmp)), ["liste.csv", "liste.txt", "liste.xlsx"])
            text = (Path(tmp) / "liste.txt").read_text(encoding="utf-8")
            rows = list(csv.reader(io.StringIO(
                (Path(tmp) / "liste.csv").read_text(encoding="utf-8-sig"), newline="")))
            book = openpyxl.load_workbook(Path(tmp) / "liste.xlsx")
        sheet = book.active
        cells = [[c for c in row] for row in sheet.iter_rows(values_only=True)]
        self.assertEqual(len(cells), len(rows))
        self.assertGreaterEqual(len(rows), 3)  # the header and at least two items
        self.assertEqual(list(cells[0]), rows[0])
        for number, (xlsx, line) in enumerate(zip(cells[1:], rows[1:]), start=1):
            item, quantity, positions, designation = xlsx[:4]
            # Numbers are numbers in the workbook, and the same as in the CSV.
            self.assertEqual(item, number)
            self.assertIsInstance(quantity, (int, float))
            self.assertEqual([line[0], line[1]], [str(item), f"{quantity:g}"])
            self.assertEqual(list(line[2:5]), [positions, designation, xlsx[4] or ""])
            # The text export lists the same item.
            self.assertRegex(text, rf"(?m)^ *{number} +Shear connectors")
            self.assertIn(f"Position(s): {positions}", text)
            self.assertRegex(text, rf"(?m)^ *{quantity:g}    Type: {designation}$")
        # Inactive entries are left out as in the text export.
        self.assertEqual(len(rows) - 1, text.count("Shear connectors to transverse force"))


class Conventions(unittest.TestCase):
    def test_version_and_the_help_of_every_command(self):
        self.assertRegex(ok("--version"), r"^vsk-cli \d+\.\d+\.\d+\n$")
        commands = [line.split()[0] for line in ok("--help").splitlines()
                    if line.startswith("  ") and not line.startswith("   ")
                    and not line.startswith("  -")]
        self.assertIn("import", commands)
        for command in commands:
            with self.subTest(command):
                usage = ok(command, "--help")
                self.assertTrue(usage.startswith(f"Usage: vsk-cli {command}"), usage)
                self.assertIn("--language ID", usage)
        # export needs its format, import its output.
        self.assertEqual(run("export", SRC / "examples" / "row.VSK").returncode, 2)
        self.assertEqual(run("import", SRC / "examples" / "wall-arbitrary.json").returncode, 2)

    def test_an_output_name_without_extension_gets_the_formats(self):
        project = SRC / "examples" / "row.VSK"
        with tempfile.TemporaryDirectory() as tmp:
            t = Path(tmp)
            ok("design", project, "--save", t / "entwurf")
            ok("report", project, "--pdf", t / "bericht")
            ok("sketch", project, "--kind", "view", "-o", t / "ansicht")
            ok("dxf", project, "-o", t / "zeichnung")
            ok("ifc", project, "-o", t / "modell")
            ok("schedule", SRC / "examples" / "multi.VSK", "--txt", t / "liste", "--pdf",
               t / "liste")
            ok("export", project, "--json", "-o", t / "daten")
            ok("import", t / "daten.json", "-o", t / "neu")
            ok("export", project, "--json", "-o", t / "behalten.txt")
            self.assertEqual(sorted(os.listdir(tmp)), [
                "ansicht.png", "behalten.txt", "bericht.pdf", "daten.json", "entwurf.VSK",
                "liste.pdf", "liste.txt", "modell.ifc", "neu.VSK", "zeichnung.dxf"])


if __name__ == "__main__":
    CLI, SRC = Path(sys.argv[1]), Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=1)
