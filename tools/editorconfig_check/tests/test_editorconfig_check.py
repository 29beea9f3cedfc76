# SPDX-License-Identifier: GPL-3.0-or-later
import contextlib
import io
import os
import subprocess
import tempfile
import unittest

from editorconfig_check import check_text, glob_to_regex, main, parse_editorconfig, properties_for

CPP = {"charset": "utf-8", "end_of_line": "lf", "insert_final_newline": "true",
       "trim_trailing_whitespace": "true", "indent_style": "space", "max_line_length": "100"}


class GlobTest(unittest.TestCase):
    def test_patterns(self):
        cases = [
            ("*.{cpp,h,inc}", "res/event_catalogue.inc", True),
            ("*.{cpp,h,inc}", "main.cpp", True),
            ("*.{cpp,h,inc}", "a.cppx", False),
            ("*.{cpp,h,inc}", "src/a.c", False),
            ("Makefile", "Makefile", True),
            ("Makefile", "sub/Makefile", True),
            ("Makefile", "Makefile.in", False),
            ("{CMakeLists.txt,*.sh}", "tests/CMakeLists.txt", True),
            ("fuzz/corpus/**", "fuzz/corpus/profile/a.ini", True),
            ("fuzz/corpus/**", "x/fuzz/corpus/a.ini", False),
            ("/res/icons/*.svg", "res/icons/a.svg", True),
            ("res/icons/*.svg", "res/icons/old/a.svg", False),
            ("[ab].c", "b.c", True),
            ("[!ab].c", "b.c", False),
            ("[!ab].c", "c.c", True),
            ("?.py", "x.py", True),
            ("?.py", "xy.py", False),
            ("a\\*.txt", "a*.txt", True),
            ("a\\*.txt", "ab.txt", False),
        ]
        for pattern, path, matches in cases:
            with self.subTest(pattern=pattern, path=path):
                self.assertEqual(bool(glob_to_regex(pattern).match(path)), matches)

    def test_later_sections_win_and_unset_removes(self):
        sections = parse_editorconfig(
            "root = true\n[*]\nTrim_Trailing_Whitespace = TRUE\nend_of_line = lf\n"
            "; a comment\n[*.svg]\ntrim_trailing_whitespace = false\n"
            "[icons/*]\nend_of_line = unset\n")
        self.assertEqual(properties_for("a.txt", sections),
                         {"trim_trailing_whitespace": "true", "end_of_line": "lf"})
        self.assertEqual(properties_for("icons/a.svg", sections),
                         {"trim_trailing_whitespace": "false"})


class CheckTextTest(unittest.TestCase):
    def test_each_rule(self):
        wide = "名" * 50
        cases = [
            ("a clean file", b"int x;\n    int y;\n", []),
            ("an empty file", b"", []),
            ("CR LF", b"a\r\nb\n", [(1, "CR LF line ending")]),
            ("a lone CR", b"a\rb\n", [(1, "CR line ending")]),
            ("no final newline", b"a\nb", [(0, "no newline at the end of the file")]),
            ("a trailing blank", b"a \nb\t\n",
             [(1, "trailing whitespace"), (2, "trailing whitespace")]),
            ("a tab indent", b"\tint x;\n  \tint y;\n",
             [(1, "tab in the indentation"), (2, "tab in the indentation")]),
            ("a tab after code", b"int x;\t// fine\n", []),
            ("100 columns", b"x" * 100 + b"\n", []),
            ("101 columns", b"x" * 101 + b"\n", [(1, "101 columns, over 100")]),
            ("50 wide characters", (wide + "\n").encode(), []),
            ("a wide character counts two", ("//" + wide + "\n").encode(),
             [(1, "102 columns, over 100")]),
            ("not UTF-8", b"ok\n\x82\xa0\n", [(2, "not valid UTF-8")]),
            ("a byte order mark", b"\xef\xbb\xbfa\n", [(1, "byte order mark in a utf-8 file")]),
        ]
        for name, data, expected in cases:
            with self.subTest(name):
                self.assertEqual(check_text(data, CPP), expected)

    def test_properties_not_set_are_not_checked(self):
        self.assertEqual(check_text(b"\tx \r\n" + b"y" * 300, {}), [])

    def test_tab_style(self):
        make = {"indent_style": "tab", "tab_width": "8", "max_line_length": "20"}
        self.assertEqual(check_text(b"all:\n\techo\n\t  --flag\n", make), [])
        self.assertEqual(check_text(b"all:\n    echo\n", make), [(2, "spaces in the indentation")])
        # A tab reaches the next stop of 8: two tabs and five characters are 21 columns.
        self.assertEqual(check_text(b"\t\tabcde\n", make), [(1, "21 columns, over 20")])

    def test_final_newline_forbidden(self):
        self.assertEqual(check_text(b"a\n", {"insert_final_newline": "false"}),
                         [(0, "a newline at the end of the file")])


class RepositoryTest(unittest.TestCase):
    """The whole command over a small repository of its own."""

    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.repo = self.dir.name
        self.write(".editorconfig", "root = true\n[*]\ntrim_trailing_whitespace = true\n"
                   "insert_final_newline = true\n[*.cpp]\nmax_line_length = 10\n")
        self.write("src/ok.cpp", "int x;\n")
        self.write("src/bad.cpp", "int xyzzy = 1;\n")
        self.write("ui/bad.txt", "trailing \n")
        self.write("pic.bin", b"\x00\x01 \n\x02")
        self.write("marked.dat", "no newline ")
        self.write(".gitattributes", "*.dat binary\n")
        os.symlink("missing-target", os.path.join(self.repo, "link"))
        subprocess.run(["git", "init", "-q", self.repo], check=True)
        subprocess.run(["git", "-C", self.repo, "add", "-A"], check=True)
        self.write("untracked.txt", "trailing \n")

    def tearDown(self):
        self.dir.cleanup()

    def write(self, path, content):
        full = os.path.join(self.repo, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "wb") as f:
            f.write(content.encode() if isinstance(content, str) else content)

    def run_check(self, *args):
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            status = main(["editorconfig-check", self.repo, *args])
        return status, out.getvalue(), err.getvalue()

    def test_reports_every_tracked_text_file_and_only_those(self):
        status, out, err = self.run_check()
        self.assertEqual(status, 1)
        self.assertEqual(out.splitlines(), ["src/bad.cpp:1: 14 columns, over 10",
                                            "ui/bad.txt:1: trailing whitespace"])
        self.assertIn("2 of 5 files", err)

    def test_skipped_folders_are_left_out(self):
        status, out, _ = self.run_check("--skip", "src/", "--skip", "ui")
        self.assertEqual((status, out), (0, "editorconfig-check: 2 text files keep .editorconfig\n"))


if __name__ == "__main__":
    unittest.main()
