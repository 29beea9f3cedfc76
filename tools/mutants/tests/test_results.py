# SPDX-License-Identifier: GPL-3.0-or-later
import unittest

from report import score_line
from runner import Outcome
from testmap import parse_results

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
