# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds and tests each mutant in the scratch copy, within a time budget."""
import os
import re
import subprocess
import sys
import time
from dataclasses import dataclass

import scratch
from testmap import run_tests

FAST_TEST_SECONDS = 1.0  # tests quicker than this run first, so a caught mutant stops early
LIST_SECONDS = 300  # far beyond what listing takes on a loaded machine
BUILD_ATTEMPTS = 3
_DISCOVERY = re.compile(r"Error running test executable\.\s*Path: '([^']+)'")


@dataclass
class Outcome:
    result: str  # caught, caught (timeout), survived, no-compile, error
    test: str = ""
    seconds: float = 0.0


def spread(mutants):
    """An order whose every prefix is an even sample: each file in proportion, its lines spread out."""
    by_file = {}
    for m in mutants:
        by_file.setdefault(m.path, []).append(m)
    keyed = []
    for group in by_file.values():
        bits = max(1, (len(group) - 1).bit_length())
        order = sorted(range(len(group)), key=lambda i: int(format(i, f"0{bits}b")[::-1], 2))
        keyed += [((rank + 0.5) / len(group), group[i]) for rank, i in enumerate(order)]
    keyed.sort(key=lambda pair: (pair[0], pair[1].path, pair[1].line))
    return [m for _, m in keyed]


def listing_verdict(output, seconds=LIST_SECONDS):
    """After a build that failed in gtest_discover_tests: whether the test program itself fails to
    list its tests (caught), or lists them when given time (None: the machine was only slow)."""
    found = _DISCOVERY.search(output)
    if not found:
        return Outcome("error", "test discovery failed without naming its program")
    caught = "test discovery: " + os.path.basename(found.group(1))
    try:
        res = subprocess.run([found.group(1), "--gtest_list_tests"], capture_output=True,
                             timeout=seconds, check=False)
    except subprocess.TimeoutExpired:
        return Outcome("caught (timeout)", caught)
    return None if res.returncode == 0 else Outcome("caught", caught)


def discovery_failed(output):
    return "Error running test executable" in output


class Runner:
    def __init__(self, tree, build, tests, jobs, log=sys.stderr):
        self.tree, self.build, self.tests, self.jobs, self.log = tree, build, tests, jobs, log
        self.durations, self.broken = {}, set()
        self._originals = {}

    def baseline(self, paths):
        """Runs once every test that sees the files; failing ones are left out of the mutants' runs."""
        numbers = sorted({n for p in paths for n in self.tests.seeing(p)})
        for number, name, passed, status, seconds in run_tests(self.build, numbers, self.jobs, False):
            self.durations[number] = seconds
            if not passed:
                self.broken.add(name)
        return numbers

    def _write(self, path, text):
        scratch.write_file(os.path.join(self.tree, path), text.encode("utf-8"))

    def restore(self):
        for path, text in self._originals.items():
            self._write(path, text)
        self._originals.clear()

    def try_mutant(self, mutant, original):
        for path in [p for p in self._originals if p != mutant.path]:
            self._write(path, self._originals.pop(path))
        self._originals[mutant.path] = original
        self._write(mutant.path, mutant.apply(original))
        ok, output = scratch.build(self.build, self.jobs)
        # A discovery that ran out of time on a loaded machine is no kill: the build is tried
        # again, and only a program that cannot list its tests counts as caught.
        for _ in range(BUILD_ATTEMPTS - 1):
            if ok or not discovery_failed(output):
                break
            verdict = listing_verdict(output)
            if verdict:
                return verdict
            ok, output = scratch.build(self.build, self.jobs)
        if not ok:
            if discovery_failed(output):
                return Outcome("error", "test discovery kept failing while the tests list fine")
            return Outcome("no-compile")
        numbers = [n for n in self.tests.seeing(mutant.path) if self.tests.tests[n] not in self.broken]
        if not numbers:
            return Outcome("survived", "(no test sees this file)")
        numbers.sort(key=lambda n: self.durations.get(n, FAST_TEST_SECONDS))
        fast = [n for n in numbers if self.durations.get(n, FAST_TEST_SECONDS) < FAST_TEST_SECONDS]
        for batch in (fast, [n for n in numbers if n not in fast]):
            for _, name, passed, status, _ in run_tests(self.build, batch, self.jobs, True):
                if not passed:
                    return Outcome("caught (timeout)" if status == "Timeout" else "caught", name)
        return Outcome("survived")

    def run(self, mutants, texts, deadline, minimum=3):
        """Tries mutants in spread order until the deadline would pass; returns {mutant index: Outcome}."""
        outcomes, order = {}, spread(mutants)
        index = {id(m): i for i, m in enumerate(mutants)}
        spent = []
        try:
            for count, m in enumerate(order, 1):
                if len(spent) >= minimum and time.monotonic() + sum(spent) / len(spent) > deadline:
                    break
                start = time.monotonic()
                outcome = self.try_mutant(m, texts[m.path])
                outcome.seconds = time.monotonic() - start
                spent.append(outcome.seconds)
                outcomes[index[id(m)]] = outcome
                by = f" by {outcome.test}" if outcome.test else ""
                print(f"[{count}/{len(order)}] {m.path}:{m.line} {m.change}: {outcome.result}{by} "
                      f"({outcome.seconds:.0f} s)", file=self.log, flush=True)
        finally:
            self.restore()
        return outcomes
