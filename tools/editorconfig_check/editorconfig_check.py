#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make editorconfig-check: every text file git tracks against the root .editorconfig.

Checks charset (utf-8), end_of_line (lf), insert_final_newline, trim_trailing_whitespace,
indent_style (the leading whitespace) and max_line_length (in columns, a wide character taking
two, as clang-format counts them). indent_size is not checked: continuation lines align freely.
Binary files are those git itself takes for binary, by their content or their attributes
(`git ls-files --eol`); symbolic links are skipped.
    editorconfig_check.py [REPO] [--skip FOLDER]...
"""
import argparse
import os
import re
import subprocess
import sys
import unicodedata


def glob_to_regex(pattern):
    """The editorconfig glob `pattern` as an anchored regular expression on a relative path."""
    if "/" in pattern:
        pattern = pattern[1:] if pattern.startswith("/") else pattern
        prefix = ""
    else:
        prefix = "(?:.*/)?"
    out, i, depth = [], 0, 0
    while i < len(pattern):
        c = pattern[i]
        if c == "\\" and i + 1 < len(pattern):
            out.append(re.escape(pattern[i + 1]))
            i += 1
        elif c == "*":
            if pattern.startswith("**", i):
                out.append(".*")
                i += 1
            else:
                out.append("[^/]*")
        elif c == "?":
            out.append("[^/]")
        elif c == "[":
            end = pattern.find("]", i + 1)
            if end < 0:
                out.append(re.escape(c))
            else:
                body = pattern[i + 1:end]
                negate = body.startswith("!")
                body = re.escape(body[1:] if negate else body).replace("\\-", "-")
                out.append("[^/" + body + "]" if negate else "[" + body + "]")
                i = end
        elif c == "{":
            out.append("(?:")
            depth += 1
        elif c == "}" and depth:
            out.append(")")
            depth -= 1
        elif c == "," and depth:
            out.append("|")
        else:
            out.append(re.escape(c))
        i += 1
    return re.compile(prefix + "".join(out) + "$")


def parse_editorconfig(text):
    """[(regex, {property: value})] in the file's order; names and values lower-cased."""
    sections = []
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line[0] in "#;":
            continue
        if line.startswith("[") and line.endswith("]"):
            sections.append((glob_to_regex(line[1:-1]), {}))
        elif "=" in line and sections:
            key, value = (part.strip().lower() for part in line.split("=", 1))
            sections[-1][1][key] = value
    return sections


def properties_for(path, sections):
    """What applies to `path` (relative, with /): later sections win; `unset` removes."""
    props = {}
    for regex, values in sections:
        if regex.match(path):
            props.update(values)
    return {k: v for k, v in props.items() if v != "unset"}


def columns(line, tab_width):
    width = 0
    for ch in line:
        if ch == "\t":
            width += tab_width - width % tab_width
        elif unicodedata.east_asian_width(ch) in "WF":
            width += 2
        elif not unicodedata.combining(ch):
            width += 1
    return width


def check_text(data, props):
    """[(line number or 0 for the whole file, message)] for the bytes `data` of one file."""
    problems = []
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as e:
        return [(data.count(b"\n", 0, e.start) + 1, "not valid UTF-8")]
    if props.get("charset") == "utf-8" and text.startswith("\ufeff"):
        problems.append((1, "byte order mark in a utf-8 file"))
    if data and props.get("insert_final_newline") == "true" and not text.endswith("\n"):
        problems.append((0, "no newline at the end of the file"))
    if data and props.get("insert_final_newline") == "false" and text.endswith("\n"):
        problems.append((0, "a newline at the end of the file"))
    limit = props.get("max_line_length", "off")
    limit = int(limit) if limit.isdigit() else None
    size = props.get("tab_width", props.get("indent_size", "8"))
    tab_width = int(size) if size.isdigit() else 8
    style = props.get("indent_style")
    for number, line in enumerate(text.split("\n"), 1):
        if line.endswith("\r"):
            if props.get("end_of_line") == "lf":
                problems.append((number, "CR LF line ending"))
            line = line[:-1]
        elif "\r" in line and props.get("end_of_line") == "lf":
            problems.append((number, "CR line ending"))
        if props.get("trim_trailing_whitespace") == "true" and line != line.rstrip(" \t"):
            problems.append((number, "trailing whitespace"))
        indent = line[:len(line) - len(line.lstrip(" \t"))]
        if style == "space" and "\t" in indent:
            problems.append((number, "tab in the indentation"))
        if style == "tab" and indent.startswith(" "):
            problems.append((number, "spaces in the indentation"))
        if limit is not None and columns(line, tab_width) > limit:
            problems.append((number, f"{columns(line, tab_width)} columns, over {limit}"))
    return problems


def tracked_text_files(repo):
    """The paths git tracks that it takes for text, symbolic links left out."""
    listing = subprocess.run(["git", "-C", repo, "ls-files", "-z", "--eol", "-s"],
                             check=True, capture_output=True).stdout.decode("utf-8")
    paths = []
    for entry in filter(None, listing.split("\0")):
        stage, eol, path = entry.split("\t", 2)
        binary = {"i/-text", "attr/-text"} & set(eol.split())
        if not stage.startswith("120000") and not binary:
            paths.append(path)
    return paths


def main(argv):
    parser = argparse.ArgumentParser(prog="editorconfig-check", description=__doc__)
    parser.add_argument("repo", nargs="?", default=".")
    parser.add_argument("--skip", action="append", default=[], metavar="FOLDER",
                        help="leave the files under FOLDER out (repeatable)")
    args = parser.parse_args(argv[1:])
    repo = args.repo
    with open(os.path.join(repo, ".editorconfig"), encoding="utf-8") as f:
        sections = parse_editorconfig(f.read())
    skipped = tuple(folder.rstrip("/") + "/" for folder in args.skip)
    files = [path for path in tracked_text_files(repo) if not path.startswith(skipped)]
    failures = 0
    for path in files:
        with open(os.path.join(repo, path), "rb") as f:
            problems = check_text(f.read(), properties_for(path, sections))
        for number, message in problems:
            print(f"{path}:{number}: {message}" if number else f"{path}: {message}")
        failures += bool(problems)
    if failures:
        print(f"editorconfig-check: {failures} of {len(files)} files break .editorconfig",
              file=sys.stderr)
        return 1
    print(f"editorconfig-check: {len(files)} text files keep .editorconfig")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
