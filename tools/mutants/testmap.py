# SPDX-License-Identifier: GPL-3.0-or-later
"""Which CTest tests can see a file: from the tests' commands and ninja's own dependency graph."""
import json
import os
import re

from scratch import run

_RESULT = re.compile(r"^\s*\d+/\d+ Test\s+#(\d+): (.+?) \.*\s*(\*{3})?(\S.*?)\s+([\d.]+) sec\s*$")


class TestMap:
    def __init__(self, build, tree):
        self.build, self.tree = os.path.abspath(build), os.path.abspath(tree)
        listing = json.loads(run(["ctest", "--test-dir", self.build, "--show-only=json-v1"]).stdout)
        self.tests = {}  # number -> name; CTest numbers its tests from 1 in this order
        self._sees = {}  # number -> (files the test depends on, source paths its command names)
        headers = self._headers()
        closures = {}
        for number, test in enumerate(listing["tests"], 1):
            command = test.get("command")
            disabled = any(p["name"] == "DISABLED" and p["value"] for p in test.get("properties", []))
            if not command or disabled:
                continue
            self.tests[number] = test["name"]
            deps = set()
            outputs, sources = command_paths(command, self.build, self.tree)
            for path in outputs:
                if path not in closures:
                    closures[path] = self._closure(path, headers)
                deps |= closures[path]
            self._sees[number] = (deps, sources)

    def _abs(self, path):
        return os.path.normpath(os.path.join(self.build, path))

    def _headers(self):
        """Each object's headers, from ninja's deps log."""
        headers, current = {}, None
        for line in run(["ninja", "-C", self.build, "-t", "deps"]).stdout.splitlines():
            if line and not line[0].isspace():
                current = headers.setdefault(self._abs(line.split(": #deps")[0]), set())
            elif line.strip() and current is not None:
                current.add(self._abs(line.strip()))
        return headers

    def _closure(self, output, headers):
        rel = os.path.relpath(output, self.build)
        inputs = {self._abs(p) for p in
                  run(["ninja", "-C", self.build, "-t", "inputs", rel]).stdout.splitlines() if p}
        for obj in list(inputs):
            inputs |= headers.get(obj, set())
        return inputs | {output}

    def seeing(self, rel_path):
        """Numbers of the tests that can see a change to the scratch tree's file rel_path."""
        path = os.path.join(self.tree, rel_path)
        return sorted(n for n, (deps, sources) in self._sees.items()
                      if path in deps or any(path == s or path.startswith(s + os.sep) for s in sources))


def command_paths(command, build, tree):
    """The built files a test's command names, and the source paths it can see: those it names,
    or the whole tree when it takes the build folder itself (the install and package steps read
    everything the build made and the files the build was made from)."""
    outputs, sources = [], []
    for arg in command:
        path = os.path.normpath(arg) if os.path.isabs(arg) else None
        if path is None or not os.path.exists(path):
            continue
        if path == build:
            sources.append(tree)
        elif path.startswith(build + os.sep) and os.path.isfile(path):
            outputs.append(path)
        elif path.startswith(tree + os.sep):
            sources.append(path)
    return outputs, sources


def run_tests(build, numbers, jobs, stop_on_failure):
    """Runs the given tests; returns [(number, name, passed, status, seconds)] in finishing order."""
    if not numbers:
        return []
    cmd = ["ctest", "--test-dir", build, f"-j{jobs}", "-I", "0,0,0," + ",".join(map(str, numbers))]
    if stop_on_failure:
        cmd.append("--stop-on-failure")
    return parse_results(run(cmd, check=False).stdout)


def parse_results(output):
    """CTest's result lines: [(number, name, passed, status, seconds)] in finishing order."""
    results = []
    for line in output.splitlines():
        m = _RESULT.match(line)
        if m:
            results.append((int(m.group(1)), m.group(2), m.group(3) is None and m.group(4) == "Passed",
                            m.group(4), float(m.group(5))))
    return results
