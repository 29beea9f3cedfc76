# SPDX-License-Identifier: GPL-3.0-or-later
import unittest

from changes import changed_lines

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
