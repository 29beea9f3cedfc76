# SPDX-License-Identifier: GPL-3.0-or-later
import json
import unittest

from generator import generate, is_mutable
from runner import spread


def changes(path, text):
    return sorted(m.change for m in generate(path, text))


class CppLineMutants(unittest.TestCase):
    def test_operators_constants_and_statements(self):
        table = [
            ("    if (a < b) x = 1;", ["1 → 0", "1 → 2", "< → <=", "< → >=", "if condition negated"]),
            ("    i += 2;", ["+= → -=", "2 → 0", "2 → 3", "deleted: i += 2;"]),
            ("    ok = a && !b;", ["! dropped", "&& → ||", "deleted: ok = a && !b;"]),
            ("    flag = true;", ["deleted: flag = true;", "true → false"]),
            ("    return !done;", ["! dropped", "return !(!done)"]),
            ("    return total * 0.5;", ["* → /", "0.5 → 0.0", "0.5 → 1.5", "return total * 0.5 → return {}"]),
            ("    if (!ready) return;", ["! dropped"]),
            ("    Draw(x, y + 1);", ["+ → -", "1 → 0", "1 → 2", "Draw(): arguments 1 and 2 swapped",
                                    "deleted: Draw(x, y + 1);"]),
            ("    p->next = q;", ["deleted: p->next = q;"]),
            ("    if (a || (b && c)) {", ["&& → ||", "|| → &&", "if condition negated"]),
            ("    ok = a && b && c;", ["deleted: ok = a && b && c;"]),
            ('    Log("%d", n, m);', ["Log(): arguments 2 and 3 swapped", 'deleted: Log("%d", n, m);']),
        ]
        for line, expected in table:
            with self.subTest(line=line):
                self.assertEqual(changes("src/a.cpp", line + "\n"), sorted(expected))

    def test_what_is_left_alone(self):
        for line in ["#include <vector>", "// if (a < b) x = 1;", "std::vector<int> v;",
                     "static_assert(kCount == 42);", "    qWarning() << \"n < \" << n;",
                     "void Draw(int x, int y);", "template <typename T> T Max(T a);",
                     "std::array<int, 5> history;", "    label = \"a < b\";  // < 2"]:
            with self.subTest(line=line):
                self.assertEqual([c for c in changes("src/a.cpp", line + "\n") if not c.startswith("deleted")],
                                 [])

    def test_concatenated_strings_keep_their_plus(self):
        self.assertEqual(changes("src/a.cpp", '    s = "a" + t;\n'), ['deleted: s = "a" + t;'])

    def test_mutated_text(self):
        mutant = next(m for m in generate("src/a.cpp", "x = 1;\n    Draw(a, b);\n")
                      if m.op == "arguments")
        self.assertEqual(mutant.apply("x = 1;\n    Draw(a, b);\n"), "x = 1;\n    Draw(b, a);\n")

    def test_comments_and_continued_statements_span_lines(self):
        text = "/* a < b\n   c < d */ e = f(a,\n        b) + 1;\n"
        self.assertEqual([(m.line, m.change) for m in generate("src/a.cpp", text)],
                         [(3, "+ → -"), (3, "1 → 2"), (3, "1 → 0")])

    def test_only_the_wanted_lines(self):
        text = "a = 1;\nb = 2;\n"
        self.assertEqual({m.line for m in generate("src/a.cpp", text, {2})}, {2})


class DataMutants(unittest.TestCase):
    def test_catalogue_numbers_and_rows(self):
        line = '        {100, 0, 0, 0, 0, -100}},  // 6 values\n'
        self.assertEqual(changes("res/event_catalogue.inc", line),
                         sorted(["100 → 101", "100 → 0", "100 → 101", "100 → 0"] + ["0 → 1"] * 4 +
                                ["row rotated: {-100, 100, 0, 0, 0, 0}"]))
        self.assertEqual(changes("res/event_catalogue.inc", '     "１．３人に、2度" ,\n'), [])

    def test_json_numbers_and_rows(self):
        self.assertEqual(changes("res/templates/1.json", '  "size": [210, 57],\n'),
                         ["210 → 0", "210 → 211", "57 → 0", "57 → 58", 'row deleted: "size": [210, 57],'])
        self.assertEqual(changes("res/strings.json", '  "200": "1 か 2",\n'), ['row deleted: "200": "1 か 2",'])

    def test_deleting_the_last_row_keeps_the_file_valid(self):
        text = '{\n  "a": 1,\n  "b": 2\n}\n'
        mutant = next(m for m in generate("res/strings.json", text) if m.line == 3 and "deleted" in m.change)
        self.assertEqual(json.loads(mutant.apply(text)), {"a": 1})


class BuildAndPackagingMutants(unittest.TestCase):
    def test_cmake_commands_and_numbers(self):
        self.assertEqual(changes("cmake/uninstall.cmake", '  file(REMOVE "$ENV{DESTDIR}${f}")\n'),
                         ['deleted: file(REMOVE "$ENV{DESTDIR}${f}")'])
        self.assertEqual(changes("packaging/CMakeLists.txt", "set(CPACK_X 2)\n"),
                         ["2 → 0", "2 → 3", "deleted: set(CPACK_X 2)"])
        # An argument line of a longer command goes on its own; opening or closing one, or a
        # block, would only break the file.
        for line, expected in [("        DESTINATION share/man\n", ["deleted: DESTINATION share/man"]),
                               ("install(FILES a\n", []), ("endif()\n", []), ("if(X)\n", []),
                               ("# note(1)\n", [])]:
            with self.subTest(line=line):
                self.assertEqual(changes("cmake/package.cmake", line), expected)

    def test_makefile_recipes_and_packaging_texts(self):
        text = "# note\ninstall:\n\tcmake --install $(BUILD)\n"
        self.assertEqual(changes("Makefile", text), ["deleted: cmake --install $(BUILD)"])
        self.assertEqual(changes("packaging/changelog", "zormade (0.1) unstable\n\n"),
                         ["deleted: zormade (0.1) unstable"])


class Selection(unittest.TestCase):
    def test_mutable_paths(self):
        table = {"src/game/monthly_turn.cpp": True, "src/core/x.h": True, "tools/replay/main.cpp": True,
                 "res/templates/100.json": True, "res/event_catalogue.inc": True,
                 "cmake/uninstall.cmake": True, "Makefile": True, "packaging/CMakeLists.txt": True,
                 "packaging/man/zormade.6": True, "packaging/changelog": True,
                 "tests/core/x_test.cpp": False, "tools/picgen/tests/a_test.cpp": False,
                 "tools/mutants/generator.py": False, "bench/core_bench.cpp": False,
                 "fuzz/a.cpp": False, "res/zormade.desktop": False, "src/CMakeLists.txt": False,
                 "CMakeLists.txt": False, "tests/install_test.sh": False}
        self.assertEqual({p: is_mutable(p) for p in table}, table)

    def test_every_prefix_of_the_order_is_spread_over_files_and_lines(self):
        mutants = generate("src/a.cpp", "".join(f"x{i} = {i + 2};\n" for i in range(8))) + \
            generate("src/b.cpp", "y = 2;\n")
        first = spread(mutants)[:len(mutants) // 2]
        self.assertEqual({m.path for m in first}, {"src/a.cpp", "src/b.cpp"})
        self.assertGreaterEqual(max(m.line for m in first) - min(m.line for m in first), 4)
