#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the C++ names of the string table's entries from res/strings.json.

Each entry is written once, in the table: its number, its name and its text. The code reaches a
text by its name, so a text can neither be missing nor be reached by a sum of numbers.

  text_ids.py STRINGS_JSON HEADER
"""
import json
import pathlib
import re
import sys

from generated_file import write_if_changed

NAME = re.compile(r"^[A-Z][A-Za-z0-9]*$")


def header(strings):
    seen = set()
    lines = []
    for number, entry in strings.items():
        name = entry.get("name", "")
        if not NAME.match(name or ""):
            sys.exit(f"strings.json: entry {number} has no name in PascalCase: {name!r}")
        if name in seen:
            sys.exit(f"strings.json: the name {name} stands twice")
        seen.add(name)
        lines.append(f"    {name} = {int(number)},")
    return "\n".join([
        "// Generated from res/strings.json by tools/ids/text_ids.py: edit the table, not this.",
        "#pragma once",
        "",
        "namespace zormade {",
        "",
        "enum class TextId {",
        *lines,
        "};",
        "",
        "}  // namespace zormade",
        "",
    ])


def main():
    source, target = map(pathlib.Path, sys.argv[1:3])
    write_if_changed(target, header(json.loads(source.read_text(encoding="utf-8"))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
