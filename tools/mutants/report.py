# SPDX-License-Identifier: GPL-3.0-or-later
"""The table of mutants and the score."""
from collections import Counter


def score_line(outcomes):
    counts = Counter("caught" if o.result.startswith("caught") else o.result for o in outcomes)
    judged = counts["caught"] + counts["survived"]
    percent = f"{100 * counts['caught'] / judged:.1f} %" if judged else "n/a"
    return (f"score: caught/(caught+survived) = {counts['caught']}/{judged} = {percent}"
            f"  ({counts['no-compile']} did not compile, {counts['error']} could not be tested, "
            "not counted)")


def table(rows):
    widths = [max(len(r[k]) for r in rows) for k in range(len(rows[0]) - 1)]
    return ["  ".join(cell.ljust(w) for cell, w in zip(r, widths + [0])).rstrip() for r in rows]


def write(path, mutants, outcomes, scope, minutes, seconds, broken, setup):
    lines = [f"mutants of {scope}"]
    rows = [("file:line", "change", "result", "test")]
    for i in sorted(outcomes, key=lambda i: (mutants[i].path, mutants[i].line)):
        m, o = mutants[i], outcomes[i]
        rows.append((f"{m.path}:{m.line}", f"{m.op}: {m.change}", o.result, o.test))
    if len(rows) > 1:
        lines += table(rows)
    done = list(outcomes.values())
    if len(done) < len(mutants):
        lines.append(f"sampled {len(done)} of {len(mutants)} mutants, evenly across files, "
                     f"to stay within {minutes:g} minutes")
    if done:
        per = sum(o.seconds for o in done) / len(done)
        lines.append(f"{len(done)} mutants in {seconds / 60:.1f} minutes, {per:.1f} s per mutant "
                     f"after {setup:.0f} s of copying, building and running the tests once")
    lines += [f"left out, failing without any mutant: {name}" for name in broken]
    lines.append(score_line(done))
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
