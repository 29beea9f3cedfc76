#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the typed ids of the controls the code reaches, from res/templates/*.json.

A template names itself ("name": "Board") and each control the code reaches ("name": "StaminaBar";
"index" for one of a row of like controls). The header holds one struct per named template, the
template's number and a ControlId of the widget the control becomes, so an id is written only in
its template and the code cannot ask for a control as the wrong kind.

  control_ids.py HEADER TEMPLATE_JSON...
"""
import json
import pathlib
import re
import sys

from generated_file import write_if_changed

NAME = re.compile(r"^[A-Z][A-Za-z0-9]*$")
QT_WIDGETS = ("QCheckBox", "QLabel", "QLineEdit", "QProgressBar", "QPushButton", "QRadioButton",
              "QSlider")
OWN_WIDGETS = ("ListBox", "MultiLineEdit", "PictureControl")


def widget(control, where):
    """The class the template's control becomes, as the control set builds it."""
    kind = control.get("kind")
    if kind == "edit":
        return "MultiLineEdit" if "multiline" in control.get("style", []) else "QLineEdit"
    kinds = {"static": "QLabel", "icon": "QLabel", "button": "QPushButton",
             "checkbox": "QCheckBox", "radio": "QRadioButton", "listbox": "ListBox",
             "progress": "QProgressBar", "trackbar": "QSlider", "picture": "PictureControl",
             "bitmap": "PictureControl"}
    if kind not in kinds:
        sys.exit(f"{where}: a control of kind {kind!r} cannot be named")
    return kinds[kind]


def template_struct(path):
    template = json.loads(path.read_text(encoding="utf-8"))
    name = template.get("name")
    if name is None:
        return None
    if not NAME.match(name):
        sys.exit(f"{path}: the template's name is not in PascalCase: {name!r}")
    members = {}
    for number, control in enumerate(template.get("controls", []), 1):
        if "name" not in control:
            continue
        where = f"{path}, control {number}"
        member = control["name"]
        if not NAME.match(member) or "id" not in control:
            sys.exit(f"{where}: a named control needs an id and a PascalCase name: {member!r}")
        kind = widget(control, where)
        entry = members.setdefault(member, {"kind": kind, "ids": {}})
        index = control.get("index")
        if entry["kind"] != kind or index in entry["ids"] or None in entry["ids"]:
            sys.exit(f"{where}: {member} stands twice, or as two kinds")
        entry["ids"][index] = control["id"]
    lines = [f"// {path.name}", f"struct {name}Ids {{", f"    static constexpr int kTemplateId = {int(path.stem)};"]
    for member, entry in members.items():
        kind, ids = entry["kind"], entry["ids"]
        if None in ids:
            lines.append(f"    static constexpr ControlId<{kind}> k{member}{{{ids[None]}}};")
            continue
        if sorted(ids) != list(range(len(ids))):
            sys.exit(f"{path}: {member}'s indexes are not 0 to {len(ids) - 1}")
        row = ", ".join(f"{{{ids[i]}}}" for i in range(len(ids)))
        lines.append(f"    static constexpr std::array<ControlId<{kind}>, {len(ids)}> k{member}{{{{{row}}}}};")
    lines.append("};")
    return "\n".join(lines)


def header(paths):
    structs = [s for s in (template_struct(p) for p in sorted(paths)) if s]
    return "\n".join([
        "// Generated from res/templates/*.json by tools/ids/control_ids.py: edit the",
        "// templates, not this.",
        "#pragma once",
        "",
        "#include <array>",
        "",
        '#include "platform/template_controls.h"',
        "",
        "// A typed id needs only the name of its widget's class.",
        *[f"class {qt};" for qt in QT_WIDGETS],
        "",
        "namespace zormade {",
        "",
        *[f"class {own};" for own in OWN_WIDGETS],
        "",
        "\n\n".join(structs),
        "",
        "}  // namespace zormade",
        "",
    ])


def main():
    write_if_changed(pathlib.Path(sys.argv[1]), header([pathlib.Path(p) for p in sys.argv[2:]]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
