#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make mutants: mutation testing of the lines a change touched, or of whole files."""
import argparse
import fcntl
import os
import sys
import time

import changes
import generator
import report
import scratch
from runner import Runner
from testmap import TestMap


def parse_args(argv):
    p = argparse.ArgumentParser(prog="mutants", description=__doc__)
    p.add_argument("--base", default="", help="commit to diff against (default: merge base with "
                   "the last landed commit in tools/mutants/landed)")
    p.add_argument("--files", default="", help="whole files or folders, separated by spaces or commas")
    p.add_argument("--minutes", type=float, default=float(os.environ.get("MUTANTS_MINUTES") or 30),
                   help="time budget; beyond it the mutants are sampled (default 30, MUTANTS_MINUTES)")
    p.add_argument("--build", default="build", help="build folder; the scratch copy is in its mutants/")
    p.add_argument("--jobs", type=int, default=2)
    return p.parse_args(argv)


def targets(repo, args):
    if args.files.strip():
        return changes.from_files(repo, args.files.replace(",", " ").split()), "files " + args.files
    base = args.base or changes.default_base(repo)
    return changes.from_base(repo, base), f"changes since {base[:12]}"


def main(argv):
    args = parse_args(argv)
    started = time.monotonic()
    repo = scratch.run(["git", "rev-parse", "--show-toplevel"]).stdout.strip()
    wanted, scope = targets(repo, args)
    texts, mutants = {}, []
    for path in sorted(wanted):
        with open(os.path.join(repo, path), encoding="utf-8") as f:
            texts[path] = f.read()
        mutants += generator.generate(path, texts[path], wanted[path])
    root = os.path.join(os.path.abspath(os.path.join(repo, args.build)), "mutants")
    report_path = os.path.join(root, "report.txt")
    os.makedirs(root, exist_ok=True)
    if not mutants:
        report.write(report_path, [], {}, scope, 0, 0, [], 0)
        print(f"mutants: nothing to mutate in {scope}", file=sys.stderr)
        return 0
    tree, build = os.path.join(root, "tree"), os.path.join(root, "build")
    with open(os.path.join(root, "lock"), "w") as lock:
        try:
            fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
        except OSError:
            raise changes.UsageError(f"another run is using {root}")
        print(f"mutants: {len(mutants)} mutants of {len(texts)} files ({scope}); "
              f"scratch copy in {tree}", file=sys.stderr)
        scratch.sync(repo, tree)
        scratch.configure(tree, build)
        ok, output = scratch.build(build, args.jobs)
        if not ok:
            raise RuntimeError("the unmutated tree does not build:\n" + output[-4000:])
        runner = Runner(tree, build, TestMap(build, tree), args.jobs)
        runner.baseline(list(texts))
        for name in sorted(runner.broken):
            print(f"mutants: {name} fails without any mutant; left out", file=sys.stderr)
        setup = time.monotonic() - started
        outcomes = runner.run(mutants, texts, started + args.minutes * 60)
    report.write(report_path, mutants, outcomes, scope, args.minutes, time.monotonic() - started,
                 sorted(runner.broken), setup)
    with open(report_path, encoding="utf-8") as f:
        sys.stdout.write(f.read())
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv[1:]))
    except changes.UsageError as e:
        print(f"mutants: {e}", file=sys.stderr)
        sys.exit(2)
    except RuntimeError as e:
        print(f"mutants: {e}", file=sys.stderr)
        sys.exit(1)
    except KeyboardInterrupt:
        sys.exit(130)
