# SPDX-License-Identifier: GPL-3.0-or-later
import os
import stat
import tempfile
import unittest

from report import score_line
from runner import Outcome, discovery_failed, listing_verdict
from testmap import command_paths, parse_results

CTEST = """Test project /tmp/b
    Start 3: MonthlyTurn.Quiet
1/5 Test #3: MonthlyTurn.Quiet ................   Passed    0.02 sec
2/5 Test #7: Board.Event/1 ....................***Failed    1.50 sec
3/5 Test #9: Graph.Capture ....................***Timeout  60.03 sec
4/5 Test #2: Replay ...........................***Exception: SegFault  0.30 sec
5/5 Test #4: Desktop ..........................***Not Run   0.00 sec
80% tests passed, 4 tests failed out of 5
"""


class Results(unittest.TestCase):
    def test_ctest_lines(self):
        self.assertEqual(parse_results(CTEST), [
            (3, "MonthlyTurn.Quiet", True, "Passed", 0.02),
            (7, "Board.Event/1", False, "Failed", 1.5),
            (9, "Graph.Capture", False, "Timeout", 60.03),
            (2, "Replay", False, "Exception: SegFault", 0.3),
            (4, "Desktop", False, "Not Run", 0.0)])

    def test_score_leaves_out_what_did_not_compile(self):
        outcomes = [Outcome("caught"), Outcome("caught (timeout)"), Outcome("survived"), Outcome("no-compile")]
        self.assertTrue(score_line(outcomes).startswith("score: caught/(caught+survived) = 2/3 = 66.7 %"))
        self.assertIn("= 0/0 = n/a", score_line([Outcome("no-compile")]))


class Discovery(unittest.TestCase):
    def program(self, folder, body):
        path = os.path.join(folder, "tests")
        with open(path, "w", encoding="utf-8") as f:
            f.write("#!/bin/sh\n" + body + "\n")
        os.chmod(path, stat.S_IRWXU)
        return ("CMake Error at GoogleTestAddTests.cmake:112 (message):\n  Error running test "
                f"executable.\n\n    Path: '{path}'\n    Result: Process terminated due to timeout\n")

    def test_only_a_program_that_cannot_list_its_tests_is_caught(self):
        with tempfile.TemporaryDirectory() as folder:
            table = [("exit 0", None), ("exit 1", "caught"), ("sleep 5", "caught (timeout)")]
            for body, expected in table:
                with self.subTest(body=body):
                    output = self.program(folder, body)
                    self.assertTrue(discovery_failed(output))
                    verdict = listing_verdict(output, seconds=1)
                    self.assertEqual(verdict and verdict.result, expected)
        self.assertFalse(discovery_failed("error: 'x' was not declared in this scope"))
        self.assertEqual(listing_verdict("Error running test executable.").result, "error")

    def test_could_not_be_tested_is_not_counted(self):
        self.assertIn("= 1/1 = 100.0 %", score_line([Outcome("caught"), Outcome("error")]))


class Seeing(unittest.TestCase):
    def test_a_test_given_the_build_folder_sees_the_whole_tree(self):
        with tempfile.TemporaryDirectory() as top:
            tree, build = os.path.join(top, "tree"), os.path.join(top, "build")
            for folder in (os.path.join(tree, "tests"), build):
                os.makedirs(folder)
            script, program = os.path.join(tree, "tests", "t.sh"), os.path.join(build, "prog")
            for path in (script, program):
                open(path, "w", encoding="utf-8").close()
            self.assertEqual(command_paths([script, build], build, tree), ([], [script, tree]))
            self.assertEqual(command_paths([program, "--x", "/nowhere"], build, tree), ([program], []))
