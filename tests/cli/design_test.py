#!/usr/bin/python3
"""End-to-end tests of `vsk-cli design`: golden results, table, saving, errors.

Usage: design_test.py VSK_CLI DATA_DIR
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

CLI = ""
DATA = ""
TOL = 1e-9
# The texts of the codes depend on the language; Golden.test_texts_follow_the_codes checks them.
TEXTS = {"TStatusText", "FehlerTexte", "WarnungenTexte"}


def run(*args):
    env = dict(os.environ, LC_ALL="C", LANG="C", QT_QPA_PLATFORM="offscreen")
    return subprocess.run([CLI, "design", *args], capture_output=True, text=True, env=env,
                          timeout=120)


def differences(actual, expected, path=""):
    """Integers, flags, codes and texts exactly; reals within TOL (relative and absolute)."""
    out = []
    if isinstance(expected, dict):
        for key, value in expected.items():
            if key == "file":
                continue
            if key not in actual:
                out.append(f"{path}.{key}: missing")
            else:
                out += differences(actual[key], value, f"{path}.{key}")
        extra = set(actual) - set(expected) - TEXTS
        if extra:
            out.append(f"{path}: unexpected keys {sorted(extra)}")
    elif isinstance(expected, list):
        if not isinstance(actual, list) or len(actual) != len(expected):
            out.append(f"{path}: length {len(actual)} != {len(expected)}")
        else:
            for i, (a, e) in enumerate(zip(actual, expected)):
                out += differences(a, e, f"{path}[{i}]")
    elif isinstance(expected, float) or isinstance(actual, float):
        if isinstance(actual, bool) or not isinstance(actual, (int, float)):
            out.append(f"{path}: {actual!r} is not a number")
        elif abs(actual - expected) > TOL + TOL * abs(expected):
            out.append(f"{path}: {actual!r} != {expected!r}")
    elif type(actual) is not type(expected) or actual != expected:
        out.append(f"{path}: {actual!r} != {expected!r}")
    return out


def design_json(*args):
    result = run(*args, "--json")
    if result.returncode != 0:
        raise AssertionError(f"exit {result.returncode}: {result.stderr}")
    return json.loads(result.stdout)


class Golden(unittest.TestCase):
    def test_every_reference_case(self):
        cases = sorted(f[:-len(".expected.json")] for f in os.listdir(DATA)
                       if f.endswith(".expected.json"))
        self.assertGreater(len(cases), 5)
        for case in cases:
            with self.subTest(case=case):
                with open(os.path.join(DATA, case + ".expected.json"), encoding="utf-8") as f:
                    expected = json.load(f)
                path = os.path.join(DATA, case + ".VSK")
                actual = design_json(path)
                self.assertEqual(actual["file"], path)
                diff = differences(actual, expected)
                self.assertEqual(diff, [], "\n".join(diff[:20]))

    def test_texts_follow_the_codes(self):
        status = ["Calculation ok", "Concrete thickness too small", "Load too great",
                  "Connector spacing is below minimum value",
                  "Connector edge distance is below minimum value",
                  "Spacing too small to suit vertical reinforcement",
                  "Joint width out of range for this dowel",
                  "Connector spacing for standard reinforcement too small for approval",
                  "Edge spacing according to standard reinforcement too small for approval",
                  "The wall thickness is smaller than required for the selected connector"]
        warnings = ["The maximum spacings of the dowels is larger than 5 * slab thickness. "
                    "Please check dowel alignment!",
                    "Minimum spacing and edge distance are based on the thinnest slab for the "
                    "actual connector load"]
        seen = set()
        for case in ("multi01", "case33_row1_load3", "case03_single"):
            for p in design_json(os.path.join(DATA, case + ".VSK"))["positions"]:
                for t in p["types"]:
                    self.assertEqual(t["TStatusText"], status[t["TStatus"]])
                    self.assertEqual(t["FehlerTexte"], [status[c] for c in t["Fehler"]])
                    self.assertEqual(t["WarnungenTexte"], [warnings[c] for c in t["Warnungen"]])
                    seen |= set(t["Fehler"]) | {100 + c for c in t["Warnungen"]}
        self.assertGreater(len(seen), 3)

    def test_reals_round_trip_exactly(self):
        # Every real is printed in its shortest form that reads back to the same double.
        text = run(os.path.join(DATA, "case17_row1_load1.VSK"), "--json").stdout
        numbers = re.findall(r"-?\d+\.\d+(?:[eE][-+]?\d+)?", text)
        self.assertGreater(len(numbers), 500)
        for number in numbers:
            self.assertEqual(repr(float(number)), number)

    def test_document_is_written_position_by_position_in_one_layout(self):
        for name, positions in (("multi01.VSK", None), ("multi01.VSK", "2")):
            args = [os.path.join(DATA, name), "--json"] + (["--position", positions] if positions else [])
            text = run(*args).stdout
            self.assertEqual(text, json.dumps(json.loads(text), indent=1, ensure_ascii=False) + "\n")


class Options(unittest.TestCase):
    def test_one_position(self):
        with open(os.path.join(DATA, "multi01.expected.json"), encoding="utf-8") as f:
            expected = json.load(f)
        actual = design_json(os.path.join(DATA, "multi01.VSK"), "--position", "2")
        self.assertEqual(len(actual["positions"]), 1)
        self.assertEqual(differences(actual["positions"][0], expected["positions"][1]), [])

    def test_table_marks_the_recommended_type(self):
        result = run(os.path.join(DATA, "case17_row1_load1.VSK"))
        self.assertEqual(result.returncode, 0, result.stderr)
        lines = result.stdout.splitlines()
        self.assertEqual(lines[0], "Position 1: Unnamed")
        self.assertRegex(lines[1], r"Connector\s+Asx\s+Asy\s+VRd\s+Vsd/VRd\s+nD\s+Remarks")
        rows = lines[2:21]
        self.assertEqual(len(rows), 19)
        marked = [r for r in rows if r.startswith("* ")]
        self.assertEqual(len(marked), 1)
        # VSK 5: capacity 88.88, 26 connectors, usage 0.998, status OK.
        self.assertRegex(marked[0], r"^\* VSK 5\s+\d+\s+\d+\s+88\.9\s+1\.00\s+26\s+OK$")
        self.assertRegex(rows[0], r"^  VSK 1 .* c < min c$")

    def test_table_lists_the_hints_of_a_failed_position(self):
        result = run(os.path.join(DATA, "fail03.VSK"))
        self.assertEqual(result.returncode, 0, result.stderr)
        hint = ("  The thickness of the concrete slab to be connected is less than the "
                "structural effective height!")
        self.assertEqual(result.stdout.splitlines()[1:3], [hint, hint])

    def test_save_writes_the_results(self):
        with tempfile.TemporaryDirectory() as tmp:
            out = os.path.join(tmp, "saved.VSK")
            first = design_json(os.path.join(DATA, "multi01.VSK"), "--save", out)
            check = subprocess.run(["xmllint", "--noout", out], capture_output=True)
            self.assertEqual(check.returncode, 0, check.stderr)
            with open(out, encoding="utf-8", errors="replace") as f:
                saved = f.read()
            self.assertIn("<TBerechnet>1</TBerechnet>", saved)
            # The saved file designs to the same results.
            again = design_json(out)
            self.assertEqual(differences(again, first), [])
            self.assertEqual(sorted(os.listdir(tmp)), ["saved.VSK"])

    def test_saving_one_position_keeps_the_others_as_they_open(self):
        # The example's positions were saved without their designed reinforcement; saving one
        # position must write the others' as opening derives it, not the catalogue's.
        multi = os.path.join(DATA, "..", "..", "..", "examples", "multi.VSK")
        with tempfile.TemporaryDirectory() as tmp:
            texts = []
            for name, args in (("one.VSK", ("--position", "1")), ("all.VSK", ())):
                out = os.path.join(tmp, name)
                self.assertEqual(run(multi, *args, "--save", out).returncode, 0)
                with open(out, encoding="utf-8", errors="replace") as f:
                    text = f.read()
                texts.append(text[text.index("<Position_2>"):text.index("</Position_3>")])
            self.assertIn("cDornDaten_", texts[0])
            self.assertEqual(texts[0], texts[1])

    def test_failed_save_keeps_the_old_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            result = run(os.path.join(DATA, "case01_single.VSK"), "--save",
                         os.path.join(tmp, "missing", "x.VSK"))
            self.assertEqual(result.returncode, 1)
            self.assertIn("unable to save the project", result.stderr)


class Errors(unittest.TestCase):
    def test_usage(self):
        for args in [(), ("--json",), (os.path.join(DATA, "case01_single.VSK"), "--position"),
                     (os.path.join(DATA, "case01_single.VSK"), "--position", "0"),
                     (os.path.join(DATA, "case01_single.VSK"), "--position", "x"),
                     (os.path.join(DATA, "case01_single.VSK"), "--position", "2"),
                     (os.path.join(DATA, "case01_single.VSK"), "--frobnicate")]:
            with self.subTest(args=args):
                result = run(*args)
                self.assertEqual(result.returncode, 2, result.stdout)
                self.assertEqual(result.stdout, "")

    def test_unreadable_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            bad = os.path.join(tmp, "bad.VSK")
            with open(bad, "w", encoding="utf-8") as f:
                f.write("not a project")
            # A project file with one element missing is not designed half.
            with open(os.path.join(DATA, "case17_row1_load1.VSK"), encoding="utf-8") as f:
                text = f.read()
            incomplete = os.path.join(tmp, "incomplete.VSK")
            with open(incomplete, "w", encoding="utf-8") as f:
                f.write(text.replace("<TWandDicke>400</TWandDicke>", "", 2))
            for path in (bad, os.path.join(tmp, "none.VSK"), incomplete):
                with self.subTest(path=path):
                    result = run(path, "--json")
                    self.assertEqual(result.returncode, 1)
                    self.assertEqual(result.stdout, "")
                    self.assertNotEqual(result.stderr, "")


if __name__ == "__main__":
    CLI, DATA = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]], verbosity=1)
