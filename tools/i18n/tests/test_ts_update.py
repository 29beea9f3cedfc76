# SPDX-License-Identifier: GPL-3.0-or-later
"""The translation check: a finished translation must keep its source's form."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

import ts_update

ROOT = pathlib.Path(__file__).resolve().parents[3]


class FormFaults(unittest.TestCase):
    def test_each_broken_form_is_named_and_a_faithful_one_passes(self):
        cases = [
            ("%1（%2点）", "%2 points for %1", []),
            ("体力%1%2", "Stamina %1", ["placeholders differ"]),
            ("一行目\n二行目", "One line only", ["line count differs"]),
            ("ｹﾞｰﾑ開始(&S)", "Start game", ["access key lost"]),
            ("ｹﾞｰﾑ開始(&S)", "&Start game", []),
            ("A & B", "A and B", []),
        ]
        for source, translation, faults in cases:
            with self.subTest(source=source, translation=translation):
                self.assertEqual(ts_update.form_faults(source, translation), faults)

    def test_the_check_fails_on_a_translation_that_drops_a_placeholder(self):
        english = (ROOT / "i18n" / "zormade_en.ts").read_text(encoding="utf-8")
        broken = english.replace("<translation>SCORE: %1", "<translation>SCORE:", 1)
        self.assertNotEqual(broken, english, "the score line's translation moved")
        with tempfile.TemporaryDirectory() as folder:
            ts = pathlib.Path(folder) / "zormade_en.ts"
            ts.write_text(broken, encoding="utf-8")
            run = subprocess.run([sys.executable, "-B", str(ROOT / "tools/i18n/ts_update.py"),
                                  "--check", str(ROOT / "res"), str(ts)],
                                 capture_output=True, text=True, timeout=60)
        self.assertEqual(run.returncode, 1)
        self.assertIn("placeholders differ", run.stderr)


if __name__ == "__main__":
    unittest.main()
