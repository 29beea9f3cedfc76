# SPDX-License-Identifier: GPL-3.0-or-later
"""Which lines to mutate: those a change touched since its base, or whole files."""
import os
import re
import subprocess

from generator import is_mutable

LANDED = os.path.join(os.path.dirname(os.path.abspath(__file__)), "landed")
_HUNK = re.compile(r"^@@ -\d+(?:,\d+)? \+(\d+)(?:,(\d+))? @@")


class UsageError(Exception):
    """Bad input from the command line: reported as a message, not a trace."""


def _git(repo, *args):
    res = subprocess.run(["git", "-C", repo, "-c", "core.quotePath=false", *args],
                         capture_output=True, text=True)
    if res.returncode != 0:
        raise UsageError(f"git {' '.join(args)}: {res.stderr.strip()}")
    return res.stdout


def changed_lines(diff):
    """Added or changed lines per file of a `git diff -U0` (new side, numbered from 1)."""
    files, current = {}, None
    for line in diff.splitlines():
        if line.startswith("+++ "):
            name = line[4:]
            current = name[2:] if name.startswith("b/") else None
            if current is not None:
                files.setdefault(current, set())
        elif current is not None and (m := _HUNK.match(line)):
            start, count = int(m.group(1)), int(m.group(2) or 1)
            files[current].update(range(start, start + count))
    return {name: lines for name, lines in files.items() if lines}


def default_base(repo):
    with open(LANDED, encoding="utf-8") as f:
        landed = f.read().strip()
    return _git(repo, "merge-base", "HEAD", landed).strip()


def from_base(repo, base):
    """The committed and uncommitted changes since base, and new files git does not ignore."""
    diff = _git(repo, "diff", "-U0", "--no-color", "--no-ext-diff", "--no-renames", base, "--")
    targets = {name: lines for name, lines in changed_lines(diff).items() if is_mutable(name)}
    for name in _git(repo, "ls-files", "-o", "--exclude-standard").splitlines():
        if is_mutable(name):
            targets[name] = None
    return targets


def from_files(repo, names):
    """Whole files; a folder stands for the files git knows in it."""
    targets = {}
    for name in names:
        listed = _git(repo, "ls-files", "-c", "-o", "--exclude-standard", "--", name).splitlines()
        if not listed:
            raise UsageError(f"{name}: no such file in the work tree")
        chosen = [n for n in listed if is_mutable(n)]
        if not chosen:
            raise UsageError(f"{name}: not a source or data file this tool mutates "
                             "(src/, tools/, res/, cmake/, Makefile and packaging/ only; never tests)")
        targets.update({n: None for n in chosen})
    return targets
