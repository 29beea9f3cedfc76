# SPDX-License-Identifier: GPL-3.0-or-later
import os
import subprocess
import tempfile
import unittest

from changes import UsageError, changed_lines, from_base, from_files

DIFF = """diff --git a/src/a.cpp b/src/a.cpp
index 1..2 100644
--- a/src/a.cpp
+++ b/src/a.cpp
@@ -3 +3 @@ int f() {
-    return 1;
+    return 2;
@@ -10,0 +11,3 @@ void g() {
+a
+b
+c
@@ -20,2 +23,0 @@ void h() {
-gone
-gone
diff --git a/res/new.json b/res/new.json
new file mode 100644
--- /dev/null
+++ b/res/new.json
@@ -0,0 +1,2 @@
+{
+}
diff --git a/src/old.cpp b/src/old.cpp
deleted file mode 100644
--- a/src/old.cpp
+++ /dev/null
@@ -1,2 +0,0 @@
-x
-y
diff --git a/src/only_deleted.cpp b/src/only_deleted.cpp
--- a/src/only_deleted.cpp
+++ b/src/only_deleted.cpp
@@ -5 +4,0 @@
-z
"""


class DiffLines(unittest.TestCase):
    def test_added_and_changed_lines_per_file(self):
        self.assertEqual(changed_lines(DIFF), {"src/a.cpp": {3, 11, 12, 13}, "res/new.json": {1, 2}})

    def test_no_diff(self):
        self.assertEqual(changed_lines(""), {})


class Targets(unittest.TestCase):
    """Committed and uncommitted changes and new files count; tests and unknown files do not."""

    def git(self, *args):
        env = dict(os.environ, GIT_AUTHOR_NAME="t", GIT_AUTHOR_EMAIL="t@t", GIT_COMMITTER_NAME="t",
                   GIT_COMMITTER_EMAIL="t@t")
        return subprocess.run(["git", "-C", self.repo, *args], check=True, capture_output=True,
                              text=True, env=env).stdout.strip()

    def write(self, name, text):
        os.makedirs(os.path.dirname(os.path.join(self.repo, name)), exist_ok=True)
        with open(os.path.join(self.repo, name), "w", encoding="utf-8") as f:
            f.write(text)

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.repo = self.tmp.name
        self.git("init", "-q")
        self.write("src/a.cpp", "a\nb\nc\nd\n")
        self.write("tests/a_test.cpp", "t\n")
        self.git("add", ".")
        self.git("commit", "-qm", "base")
        self.base = self.git("rev-parse", "HEAD")

    def tearDown(self):
        self.tmp.cleanup()

    def test_changes_since_base(self):
        self.write("src/a.cpp", "a\nB\nc\nd\n")
        self.write("tests/a_test.cpp", "T\n")
        self.git("commit", "-qam", "change")
        self.write("src/a.cpp", "a\nB\nc\nD\n")
        self.write("res/new.json", "{}\n")
        self.write("res/notes.txt", "x\n")
        self.assertEqual(from_base(self.repo, self.base), {"src/a.cpp": {2, 4}, "res/new.json": None})

    def test_files_and_their_errors(self):
        self.assertEqual(from_files(self.repo, ["src"]), {"src/a.cpp": None})
        for bad in ("src/missing.cpp", "tests"):
            with self.subTest(bad=bad), self.assertRaises(UsageError):
                from_files(self.repo, [bad])
