#!/usr/bin/python3
"""Every file vsk-cli writes keeps the old file or is complete and new, and a failed write
ends with exit 1: write-protected targets, folders in place of a file, symbolic links
(also dangling ones), folder names that are not UTF-8, a full disk (a real 64 KiB tmpfs
where this machine lets the test mount one), and report pages that belong together.

Usage: schreiben_test.py VSK_CLI DATA_DIR
"""

import os
import stat
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CLI = DATA = None
PNG = b"\x89PNG\r\n\x1a\n"


def writers(project):
    """Each writer as (name, extension of its file, the command for a target, what a complete
    new file starts with)."""
    return [
        ("sketch png", b".png", lambda t: ["sketch", project, "--kind", "view", "-o", t], PNG),
        ("sketch emf", b".emf", lambda t: ["sketch", project, "--kind", "view", "-o", t],
         b"\x01\x00\x00\x00"),
        ("report pdf", b".pdf", lambda t: ["report", project, "--pdf", t], b"%PDF"),
        ("dxf", b".dxf", lambda t: ["dxf", project, "-o", t], b""),
        ("schedule txt", b".txt", lambda t: ["schedule", project, "--txt", t], b""),
        ("schedule pdf", b".pdf", lambda t: ["schedule", project, "--pdf", t], b"%PDF"),
        ("schedule csv", b".csv", lambda t: ["schedule", project, "--csv", t], b"\xef\xbb\xbf"),
        ("schedule xlsx", b".xlsx", lambda t: ["schedule", project, "--xlsx", t], b"PK"),
        ("project", b".VSK", lambda t: ["design", project, "--save", t], b"<?xml"),
        ("export json", b".json", lambda t: ["export", project, "--json", "-o", t], b"{"),
        ("import", b".VSK", lambda t: ["import", DATA.parent.parent / "examples" /
                                       "wall-arbitrary.json", "-o", t], b"<?xml"),
    ]


class Writes(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = os.fsencode(self.tmp.name)
        self.project = os.fsencode(DATA / "projekt" / "referenz_mehrere.VSK")

    def tearDown(self):
        self.tmp.cleanup()

    def run_cli(self, args):
        env = dict(os.environ, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        return subprocess.run([os.fsencode(CLI), *args], capture_output=True, env=env,
                              timeout=120)

    def path(self, *parts):
        return os.path.join(self.dir, *parts)

    @staticmethod
    def old_file(path, mode=0o644):
        with open(path, "wb") as f:
            f.write(b"old content")
        os.chmod(path, mode)

    def assert_unchanged(self, path, what):
        with open(path, "rb") as f:
            self.assertEqual(f.read(), b"old content", what)

    def assert_no_leftovers(self, folder, what):
        hidden = [n for n in os.listdir(folder) if n.startswith(b".")]
        self.assertEqual(hidden, [], what)

    def test_refused_targets_keep_the_old_file_and_exit_1(self):
        for name, ext, command, _ in writers(self.project):
            with self.subTest(name):
                target = self.path(b"geschuetzt" + ext)
                self.old_file(target, 0o444)
                r = self.run_cli(command(target))
                self.assertEqual(r.returncode, 1, r.stderr)
                self.assert_unchanged(target, name)
                os.chmod(target, 0o644)
                os.remove(target)

                os.mkdir(target)
                r = self.run_cli(command(target))
                self.assertEqual(r.returncode, 1, r.stderr)
                self.assertTrue(os.path.isdir(target))
                os.rmdir(target)
                self.assert_no_leftovers(self.dir, name)

    def test_links_are_followed_and_names_are_bytes(self):
        os.mkdir(self.path(b"real"))
        latin1 = self.path(b"Entw\xfcrfe")
        os.mkdir(latin1)
        for name, ext, command, start in writers(self.project):
            with self.subTest(name):
                real = self.path(b"real", b"file" + ext)
                link = self.path(b"link" + ext)
                self.old_file(real, 0o640)
                os.symlink(real, link)
                r = self.run_cli(command(link))
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertTrue(os.path.islink(link))
                with open(real, "rb") as f:
                    content = f.read()
                self.assertTrue(content != b"old content" and content.startswith(start), name)
                self.assertEqual(stat.S_IMODE(os.stat(real).st_mode), 0o640)
                os.remove(link)
                os.remove(real)

                # A dangling link: the file it names is created.
                os.symlink(real, link)
                r = self.run_cli(command(link))
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertTrue(os.path.isfile(real) and os.path.islink(link), name)
                os.remove(link)

                target = os.path.join(latin1, b"Gr\xf6\xdfe" + ext)
                r = self.run_cli(command(target))
                self.assertEqual(r.returncode, 0, r.stderr)
                self.assertTrue(os.path.isfile(target), name)

    def test_report_pages_are_written_together(self):
        pages = self.path(b"Seiten \xe4")
        r = self.run_cli([b"report", self.project, b"--png", pages])
        self.assertEqual(r.returncode, 0, r.stderr)
        names = sorted(os.listdir(pages))
        self.assertGreaterEqual(len(names), 2)
        self.assertEqual(names[0], b"page-1.png")
        # One page cannot be replaced: no page changes.
        for n in names:
            self.old_file(os.path.join(pages, n))
        os.chmod(os.path.join(pages, names[-1]), 0o444)
        r = self.run_cli([b"report", self.project, b"--png", pages])
        self.assertEqual(r.returncode, 1, r.stderr)
        for n in names:
            self.assert_unchanged(os.path.join(pages, n), n)
        self.assert_no_leftovers(pages, "pages")
        # Pages of a longer earlier report do not stay beside the new ones.
        os.chmod(os.path.join(pages, names[-1]), 0o644)
        self.old_file(os.path.join(pages, b"page-%d.png" % (len(names) + 1)))
        self.old_file(os.path.join(pages, b"page-9.png"))
        r = self.run_cli([b"report", self.project, b"--png", pages])
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(sorted(os.listdir(pages)), names + [b"page-9.png"])

    def test_prepared_drawings_are_copied_together(self):
        base = self.path(b"Dorn \xe9")
        views = [base + part for part in
                 (b" Plan View Block.dxf", b" Side View Block.dxf", b" End View Block.dxf")]
        for v in views:
            self.old_file(v)
        os.chmod(views[1], 0o444)
        r = self.run_cli([b"connector-drawings", b"--type", b"6", b"-o", base + b".dxf"])
        self.assertEqual(r.returncode, 1, r.stderr)
        for v in views:
            self.assert_unchanged(v, v)
        os.chmod(views[1], 0o644)
        r = self.run_cli([b"connector-drawings", b"--type", b"6", b"-o", base + b".dxf"])
        self.assertEqual(r.returncode, 0, r.stderr)
        for v in views:
            with open(v, "rb") as f:
                self.assertIn(b"SECTION", f.read(), v)
        self.assert_no_leftovers(self.dir, "drawings")

    def test_full_disk_keeps_the_old_file(self):
        disk = self.path(b"voll")
        os.mkdir(disk)
        if subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", disk],
                          capture_output=True).returncode != 0:
            self.skipTest("no tmpfs can be mounted here; the writer's own test simulates it")
        try:
            cases = [(name, os.path.join(disk, b"out" + ext), command)
                     for name, ext, command, _ in writers(self.project)]
            cases.append(("report png", os.path.join(disk, b"page-1.png"),
                          lambda t: ["report", self.project, "--png", disk]))
            cases.append(("large picture", os.path.join(disk, b"large.png"),
                          lambda t: ["sketch", self.project, "--kind", "view", "--size",
                                     "3000x3000", "-o", t]))
            for name, target, command in cases:
                with self.subTest(name):
                    self.old_file(target)
                    try:
                        with open(os.path.join(disk, b"filler"), "wb") as f:
                            f.write(b"f" * 65536)
                    except OSError:
                        pass  # full, as it should be
                    r = self.run_cli(command(target))
                    self.assertEqual(r.returncode, 1, r.stderr)
                    self.assert_unchanged(target, name)
                    self.assert_no_leftovers(disk, name)
                    for n in os.listdir(disk):
                        os.remove(os.path.join(disk, n))
        finally:
            subprocess.run(["umount", disk], check=True)


if __name__ == "__main__":
    CLI, DATA = sys.argv[1], Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1])
