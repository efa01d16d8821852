#!/usr/bin/python3
"""End-to-end tests of vsk-cli info, check and schedule on the project files of
tests/data/projekt. Usage: projektdatei_befehle.py VSK-CLI DATA-DIR"""

import os
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CLI = sys.argv[1]
DATEN = Path(sys.argv[2]) / "projekt"
LESEFEHLER = "Error during opening the data file - unable to read project data"
ALT = ("The data file was created with an old version of the programm. The import of this "
       "data can cause calculation problems, please check all data!")


def cli(*argumente):
    umgebung = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([CLI, *map(str, argumente)], capture_output=True, text=True,
                          env=umgebung, timeout=60)


class Info(unittest.TestCase):
    def test_lists_description_and_positions(self):
        r = cli("info", DATEN / "referenz_mehrere.VSK")
        self.assertEqual(r.returncode, 0, r.stderr)
        zeilen = r.stdout.splitlines()
        self.assertEqual(zeilen[0], "Project: multi01")
        self.assertIn("Date: 09.12.2025", zeilen)
        self.assertEqual(zeilen[-3:], [
            "No: 1\tVSK_2.0\tmulti01\tmulti01-1\tConnector row, slab to slab\t260.0 cm\t09.12.2025",
            "No: 2\tVSK_2.0\tmulti01\tmulti01-2\tSingle shear connector\t200.0 cm\t09.12.2025",
            "No: 3\tVSK_2.0\tmulti01\tmulti01-3\tConnector row, slab to wall\t460.0 cm\t09.12.2025",
        ])
        self.assertEqual(r.stderr, "")

    def test_company_lines_and_umlauts(self):
        r = cli("info", DATEN / "cp1252.VSK")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("Project: Überbauung Süd, Straße – 5 €", r.stdout)

    def test_old_version_warns_once(self):
        r = cli("info", DATEN / "alte_version.VSK")
        self.assertEqual(r.returncode, 0)
        self.assertEqual(r.stderr.count(ALT), 1)


class Check(unittest.TestCase):
    def test_complete(self):
        r = cli("check", DATEN / "referenz_mehrere.VSK")
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertIn("read completely (3 positions)", r.stdout)

    def test_old_version(self):
        r = cli("check", DATEN / "alte_version.VSK")
        self.assertEqual(r.returncode, 0)
        self.assertIn("old-version warning", r.stdout)
        self.assertIn(ALT, r.stderr)

    def test_unreadable_files_name_the_place(self):
        for name, meldungen, stelle in [
                ("kein_xml.VSK", [LESEFEHLER], "The file is not well-formed XML (line 1)."),
                ("ohne_wanddicke.VSK", [LESEFEHLER],
                 'Element "Projekt/Position_1/cGeometrie/TWandDicke" is missing (line '),
                ("fremder_kopf.VSK", ["The file is not a valid Tervo - VSK File", LESEFEHLER],
                 'Element "Program" in line 4 does not name this program.'),
                ("fehlt.VSK", [LESEFEHLER], "The file cannot be read.")]:
            with self.subTest(name):
                r = cli("check", DATEN / name)
                self.assertEqual(r.returncode, 1)
                zeilen = r.stderr.splitlines()
                self.assertEqual(zeilen[:-1], meldungen)
                self.assertTrue(zeilen[-1].startswith(stelle), zeilen[-1])
                self.assertEqual(r.stdout, "")


class Schedule(unittest.TestCase):
    def test_export_matches_expected_text(self):
        with tempfile.TemporaryDirectory() as tmp:
            aus = Path(tmp) / "liste.txt"
            r = cli("schedule", DATEN / "einzelheiten.VSK", "--txt", aus)
            self.assertEqual(r.returncode, 0, r.stderr)
            ist = aus.read_bytes().decode("utf-8").split("\r\n")
            soll = (DATEN / "einzelheiten.schedule.txt").read_bytes().decode("utf-8").split("\r\n")
            self.assertTrue(ist[5].startswith("Printed from: "))
            ist[5] = soll[5]  # today's date
            self.assertEqual(ist, soll)
            # Without an option the same lines go to standard output.
            r = cli("schedule", DATEN / "einzelheiten.VSK")
            self.assertEqual(r.returncode, 0, r.stderr)
            terminal = r.stdout.split("\n")
            terminal[5] = soll[5]
            self.assertEqual(terminal, soll)

    def test_unwritable_target(self):
        r = cli("schedule", DATEN / "einzelheiten.VSK", "--txt", "/nonexistent/dir/l.txt")
        self.assertEqual(r.returncode, 1)
        self.assertIn("the connector schedule could not be exported", r.stderr)

    def test_unreadable_project(self):
        with tempfile.TemporaryDirectory() as tmp:
            r = cli("schedule", DATEN / "kein_xml.VSK", "--txt", Path(tmp) / "l.txt")
            self.assertEqual(r.returncode, 1)
            self.assertFalse((Path(tmp) / "l.txt").exists())


class Usage(unittest.TestCase):
    def test_usage_errors_exit_two(self):
        for argumente in [("info",), ("info", "a", "b"), ("check",),
                          ("schedule",), ("schedule", DATEN / "einzelheiten.VSK", "--txt"),
                          ("schedule", DATEN / "einzelheiten.VSK", "--pdf")]:
            with self.subTest(argumente):
                self.assertEqual(cli(*argumente).returncode, 2)

    def test_help_documents_the_commands(self):
        r = cli("--help")
        self.assertEqual(r.returncode, 0)
        for befehl in ["info FILE", "schedule FILE [--txt OUT]", "check FILE"]:
            self.assertIn(befehl, r.stdout)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
