#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Brings a Qt Linguist file up to date with every text the game shows.

The texts live in res/ as JSON and in the event catalogue, where lupdate cannot see them. This
step reads them and writes the .ts file the way lupdate would: a translation already made is
kept, a new text arrives unfinished, a text that left the game is marked vanished.

  ts_update.py RES_DIR TS_FILE [MORE_TS...]   update TS_FILE, taking translations from all
  ts_update.py --check RES_DIR TS_FILE        exit 1 naming every text without a finished
                                              translation, one that loses a placeholder, a line
                                              or an access key, or a .ts that is out of date
"""
import argparse
import json
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

CONTROL_TEXT_KEYS = ("text", "label", "tip")
ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "\\": "\\", "'": "'"}


def key_text(text):
    # Line ends are CR LF in the resources; XML readers fold a bare CR, so the key uses LF.
    return text.replace("\r\n", "\n")


def c_literals(source):
    """Yields each string of the catalogue, adjacent literals joined as the compiler joins them."""
    token = re.compile(r'"((?:[^"\\]|\\.)*)"|(//[^\n]*)|(\S)', re.S)
    pending = None
    for match in token.finditer(source):
        literal, comment, other = match.groups()
        if comment is not None:
            continue
        if literal is not None:
            text = re.sub(r"\\(.)", lambda m: ESCAPES[m.group(1)], literal)
            pending = text if pending is None else pending + text
            continue
        if pending is not None:
            yield pending
            pending = None
    if pending is not None:
        yield pending


def event_messages(catalogue):
    strings = list(c_literals(catalogue.read_text(encoding="utf-8")))
    if len(strings) % 9:
        sys.exit(f"{catalogue}: {len(strings)} strings, not nine per event")
    for number in range(len(strings) // 9):
        prompt, *answers = strings[number * 9:number * 9 + 9]
        yield ("events", prompt, f"{number} prompt")
        for answer in range(4):
            yield ("events", answers[answer * 2], f"{number} answer {answer + 1}")
            yield ("events", answers[answer * 2 + 1], f"{number} result {answer + 1}")


def template_messages(template):
    data = json.loads(template.read_text(encoding="utf-8"))
    context = f"template {template.stem}"
    if data.get("caption"):
        yield (context, data["caption"], "caption")
    for number, control in enumerate(data["controls"]):
        name = str(control.get("id", f"#{number}"))
        for key in CONTROL_TEXT_KEYS:
            if control.get(key):
                yield (context, control[key], f"{name} {key}")


def menu_messages(menu):
    data = json.loads(menu.read_text(encoding="utf-8"))
    context = f"menu {menu.stem}"
    for popup in data["popups"]:
        yield (context, popup["text"], "popup")
        for item in popup["items"]:
            if "text" in item:
                yield (context, item["text"], str(item["id"]))


def game_messages(res):
    strings = json.loads((res / "strings.json").read_text(encoding="utf-8"))
    for number, entry in strings.items():
        if entry["text"].strip():
            yield ("strings", entry["text"], number)
    for menu in sorted((res / "menus").glob("*.json")):
        yield from menu_messages(menu)
    for template in sorted((res / "templates").glob("*.json")):
        yield from template_messages(template)
    yield from event_messages(res / "event_catalogue.inc")


def read_translations(ts_files):
    found = {}
    for ts in ts_files:
        if not ts.exists():
            continue
        for context in ET.parse(ts).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                translation = message.find("translation")
                if translation is None or not translation.text:
                    continue
                key = (name, message.findtext("source"), message.findtext("comment") or "")
                finished = translation.get("type") not in ("unfinished", "vanished", "obsolete")
                if finished or key not in found:
                    found[key] = (translation.text, finished)
    return found


def build_tree(messages, translations, language):
    root = ET.Element("TS", version="2.1", language=language, sourcelanguage="ja")
    contexts = {}
    keys = set()
    for context, source, comment in messages:
        key = (context, key_text(source), comment)
        keys.add(key)
        if context not in contexts:
            contexts[context] = ET.SubElement(root, "context")
            ET.SubElement(contexts[context], "name").text = context
        add_message(contexts[context], key, translations.get(key))
    for key, value in sorted(translations.items()):
        if key not in keys and key[0] in contexts:
            add_message(contexts[key[0]], key, (value[0], False), "vanished")
    ET.indent(root)
    return root


def add_message(context, key, translation, missing_type="unfinished"):
    message = ET.SubElement(context, "message")
    ET.SubElement(message, "source").text = key[1]
    ET.SubElement(message, "comment").text = key[2]
    element = ET.SubElement(message, "translation")
    if translation:
        element.text = translation[0]
    if not translation or not translation[1]:
        element.set("type", missing_type)


def serialise(root):
    body = ET.tostring(root, encoding="unicode")
    return '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n"


def form_faults(source, translation):
    """What a translation breaks of its source's form: the placeholders the program fills, the
    number of lines a control was sized for, the menu's access key."""
    faults = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        faults.append("placeholders differ")
    if source.count("\n") != translation.count("\n"):
        faults.append("line count differs")
    if re.search(r"&[^&\s]", source) and not re.search(r"&[^&\s]", translation):
        faults.append("access key lost")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("res", type=pathlib.Path)
    parser.add_argument("ts", type=pathlib.Path, nargs="+")
    args = parser.parse_args()
    target = args.ts[0]
    language = re.sub(r"^.*_", "", target.stem)
    translations = read_translations(args.ts)
    root = build_tree(list(game_messages(args.res)), translations, language)
    text = serialise(root)
    if not args.check:
        target.write_text(text, encoding="utf-8")
        return 0
    missing = [f"{c.findtext('name')} / {m.findtext('comment')}: {m.findtext('source')!r}"
               for c in root.iter("context") for m in c.iter("message")
               if m.find("translation").get("type") == "unfinished"]
    for line in missing:
        print(f"{target}: no translation: {line}", file=sys.stderr)
    broken = [f"{c.findtext('name')} / {m.findtext('comment')}: {', '.join(faults)}"
              for c in root.iter("context") for m in c.iter("message")
              if m.find("translation").get("type") is None
              for faults in [form_faults(m.findtext("source"), m.findtext("translation") or "")]
              if faults]
    for line in broken:
        print(f"{target}: {line}", file=sys.stderr)
    stale = target.read_text(encoding="utf-8") != text if target.exists() else True
    if stale:
        print(f"{target}: out of date with res/; run the translation update", file=sys.stderr)
    return 1 if missing or broken or stale else 0


if __name__ == "__main__":
    sys.exit(main())
