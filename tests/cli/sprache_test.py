#!/usr/bin/python3
"""vsk-cli --language: the design program's language module beside vsk-cli is loaded
before the command runs; without the option, IDSprache of the settings file decides.

Usage: sprache_test.py VSK_CLI LRELEASE DATA_DIR
"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET
from pathlib import Path

CLI = LRELEASE = DATA = None
SOURCE = "Single shear connector\\Connector row, slab to slab\\Connector row, slab to wall\\"
GERMAN = "Einzelner Querkraftdorn\\Dornreihe, Platte an Platte\\Dornreihe, Platte an Wand\\"
TS = f"""<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_CH">
<context><name>Texttabellen</name>
<message><source>{SOURCE}</source><translation>{GERMAN}</translation></message>
</context>
</TS>
"""


class Language(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.dir = Path(cls.tmp.name)
        cls.cli = cls.dir / "vsk-cli"
        shutil.copy2(CLI, cls.cli)
        (cls.dir / "vsk_des.ts").write_text(TS, encoding="utf-8")
        subprocess.run([LRELEASE, "-silent", cls.dir / "vsk_des.ts", "-qm", cls.dir / "vsk.des"],
                       check=True)
        cls.project = DATA / "projekt" / "referenz_mehrere.VSK"

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def run_cli(self, *args):
        env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        return subprocess.run([self.cli, *map(str, args)], capture_output=True, text=True,
                              env=env, timeout=60)

    def settings(self, text):
        path = self.dir / "vsk.INI"
        if text is None:
            path.unlink(missing_ok=True)
        else:
            path.write_text(text)

    def test_identifier_or_extension_anywhere_on_the_line(self):
        self.settings(None)
        for args in (["--language", "des", "info", self.project],
                     ["info", self.project, "--language", "2055"],
                     ["--language=DES", "info", self.project]):
            r = self.run_cli(*args)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertIn("Dornreihe, Platte an Platte", r.stdout, args)
            self.assertNotIn("Connector row, slab to slab", r.stdout)

    def test_settings_file_decides_without_the_option(self):
        self.settings("[Anwenderdaten]\nIDSprache=2055\n")
        try:
            r = self.run_cli("info", self.project)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertIn("Dornreihe, Platte an Wand", r.stdout)
            # The option wins; English is built in and needs no module.
            r = self.run_cli("--language", "eng", "info", self.project)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertIn("Connector row, slab to wall", r.stdout)
        finally:
            self.settings(None)
        r = self.run_cli("info", self.project)
        self.assertIn("Connector row, slab to wall", r.stdout)

    def test_settings_file_that_is_no_file_gives_the_message_and_defaults(self):
        # A FIFO would block the read for ever, /dev/zero never ends.
        path = self.dir / "vsk.INI"
        for make in (lambda: os.mkfifo(path), lambda: path.symlink_to("/dev/zero")):
            self.settings(None)
            make()
            try:
                r = self.run_cli("info", self.project)
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertIn(f"The settings file {path} cannot be read. The program uses its "
                              "default settings.", r.stderr)
                self.assertIn("Connector row, slab to wall", r.stdout)
            finally:
                path.unlink()

    def test_wrong_or_missing_language_stops_before_the_command(self):
        r = self.run_cli("--language", "fra", "info", self.project)
        self.assertEqual(r.returncode, 1)
        self.assertIn("no language module", r.stderr)
        self.assertEqual(r.stdout, "")
        for value in ("klingon", "99999"):
            r = self.run_cli("--language", value, "info", self.project)
            self.assertEqual(r.returncode, 2, value)
            self.assertIn("unknown language", r.stderr)
        r = self.run_cli("info", self.project, "--language")
        self.assertEqual(r.returncode, 2)


class ShippedFrench(unittest.TestCase):
    """The French module as built: the report and the schedule export come out in French."""

    def setUp(self):
        self.module = Path(CLI).parent / "vsk.fra"
        if not self.module.exists() or not shutil.which("pdftotext"):
            self.skipTest("no French module or no pdftotext")
        root = DATA.parent.parent
        self.examples = root / "examples"
        self.french = {}
        for context in ET.parse(root / "resources/translations/vsk_fra.ts").iter("context"):
            for message in context.iter("message"):
                key = (context.findtext("name"), message.findtext("source"))
                self.french[key] = message.findtext("translation")
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = Path(self.tmp.name)

    def tearDown(self):
        self.tmp.cleanup()

    def run_cli(self, *args):
        env = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        return subprocess.run([CLI, "--language", "fra", *map(str, args)], capture_output=True,
                              text=True, env=env, timeout=60)

    def test_report_and_schedule_export(self):
        pdf = self.dir / "r.pdf"
        r = self.run_cli("report", self.examples / "row.VSK", "--pdf", pdf)
        self.assertEqual(r.returncode, 0, r.stderr)
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True).stdout
        for source in ("Slab thickness", "Concrete cover above", "Results"):
            french = self.french[("Bericht", source)]
            self.assertNotEqual(french, source)
            self.assertIn(french, text, source)
        self.assertNotIn("Slab thickness", text)

        # A schedule written in English: its active entries are exported in French.
        txt = self.dir / "s.txt"
        r = self.run_cli("schedule", DATA / "reports" / "bericht.VSK", "--txt", txt)
        self.assertEqual(r.returncode, 0, r.stderr)
        export = txt.read_text(encoding="utf-8")
        for source in ("Connector Schedule", "Mat.-Pos quantity denomination",
                       "Material: stainless steel 1.4462"):
            french = self.french[("ListeExport", source)]
            self.assertNotEqual(french, source)
            self.assertIn(french.strip(), export, source)
        self.assertNotIn("Connector Schedule", export)


if __name__ == "__main__":
    CLI, LRELEASE, DATA = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    unittest.main(argv=sys.argv[:1])
