# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a generated header only when its text changed, so nothing that includes it rebuilds."""
import pathlib


def write_if_changed(target: pathlib.Path, text: str) -> None:
    if not target.exists() or target.read_text(encoding="utf-8") != text:
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text, encoding="utf-8")
