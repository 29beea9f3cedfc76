# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutants of single lines: C++ operators and statements, and the numbers and rows of data files.

Only what cheaply looks like it compiles is offered: a binary operator is one with a space on each
side (the house style), so template brackets, pointers, references and unary signs stay as they are.
"""
import os
import re
from dataclasses import dataclass, field

CPP_SUFFIXES = (".cpp", ".cc", ".cxx", ".h", ".hpp")

_OPERATORS = sorted("""<<= >>= ->* <=> ... -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= ::
    .* ## { } [ ] ( ) < > ; : , . ? ! ~ + - * / % ^ & | = #""".split(), key=len, reverse=True)
_TOKEN = re.compile(r"""
    (?P<ws>\s+)
  | (?P<comment>//.*)
  | (?P<block>/\*)
  | (?P<str>(?:u8|[uUL])?R"(?P<delim>[^(\s]*)\(.*?\)(?P=delim)"
          | (?:u8|[uUL])?"(?:\\.|[^"\\])*"?
          | (?:u8|[uUL])?'(?:\\.|[^'\\])*'?)
  | (?P<num>(?:\d[\w']*(?:\.[\w']*)?|\.\d[\w']*)(?:(?<=[eE])[+-]\d+[\w]*)?)
  | (?P<id>[A-Za-z_]\w*)
  | (?P<op>""" + "|".join(re.escape(o) for o in _OPERATORS) + r"""|\S)
""", re.VERBOSE)

_SKIP_WORDS = {"static_assert", "qDebug", "qInfo", "qWarning", "qCritical", "qFatal", "cerr", "clog",
               "fprintf", "perror", "Q_ASSERT", "assert"}
_NOT_CALLS = {"if", "while", "for", "switch", "return", "sizeof", "alignof", "decltype", "catch",
              "noexcept", "static_cast", "const_cast", "reinterpret_cast", "dynamic_cast", "typeid",
              "alignas", "operator"}
_NO_STATEMENT = {"return", "delete", "throw", "goto", "break", "continue", "case", "default", "using",
                 "typedef", "else", "do", "co_return", "co_yield", "namespace", "template", "const",
                 "static", "constexpr", "auto", "public", "private", "protected"}

_RELATIONAL = {"<": ["<=", ">="], "<=": ["<", ">"], ">": [">=", "<="], ">=": [">", "<"],
               "==": ["!="], "!=": ["=="]}
_ARITHMETIC = {"+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"], "%": ["/"],
               "+=": ["-="], "-=": ["+="], "*=": ["/="], "/=": ["*="]}
_LOGICAL = {"&&": ["||"], "||": ["&&"]}


@dataclass
class Mutant:
    path: str
    line: int
    op: str
    change: str
    edits: dict = field(default_factory=dict)  # line number -> new text, None to delete the line

    def apply(self, text):
        lines = text.splitlines(keepends=True)
        for number, new in self.edits.items():
            old = lines[number - 1]
            ending = old[len(old.rstrip("\r\n")):]
            lines[number - 1] = "" if new is None else new + ending
        return "".join(lines)


@dataclass
class Token:
    kind: str
    text: str
    start: int

    @property
    def end(self):
        return self.start + len(self.text)


def tokenize(line, in_comment=False):
    """Tokens of one line and whether a block comment is still open at its end."""
    tokens, pos = [], 0
    while pos < len(line):
        if in_comment:
            close = line.find("*/", pos)
            end = len(line) if close < 0 else close + 2
            tokens.append(Token("comment", line[pos:end], pos))
            in_comment, pos = close < 0, end
            continue
        m = _TOKEN.match(line, pos)
        kind = m.lastgroup if m.lastgroup != "delim" else "str"
        if kind == "block":
            in_comment = True
            continue
        tokens.append(Token(kind, m.group(), pos))
        pos = m.end()
    return tokens, in_comment


def _code(tokens):
    return [t for t in tokens if t.kind not in ("ws", "comment")]


def _replace(line, start, end, new):
    return line[:start] + new + line[end:]


def _spaced(tokens, i):
    return 0 < i < len(tokens) - 1 and tokens[i - 1].kind == "ws" and tokens[i + 1].kind == "ws"


def _next_code(tokens, i, step):
    i += step
    while 0 <= i < len(tokens) and tokens[i].kind in ("ws", "comment"):
        i += step
    return tokens[i] if 0 <= i < len(tokens) else None


def _int_value(text):
    return int(text) if re.fullmatch(r"\d+", text) else None


def _number_variants(text):
    """Replacements of a literal: off by one, and zero (one for a zero)."""
    body = re.match(r"[\d.eE+-]*", text).group()
    suffix = text[len(body):]
    if "'" in text or text.startswith(("0x", "0X", "0b", "0B")) or not body:
        return []
    value = _int_value(body)
    if value is None:
        try:
            number = float(body)
        except ValueError:
            return []
        return [v + suffix for v in dict.fromkeys([repr(number + 1), "0.0" if number else "1.0"])]
    variants = [value + 1, 0 if value else 1]
    return [str(v) + suffix for v in dict.fromkeys(variants) if v != value]


def _mixes_logic(tokens, i):
    """Whether another && or || shares the operator's parentheses: swapping one would mix them
    unparenthesised, which the compiler warns about."""
    depth, depths = 0, []
    for k, t in enumerate(tokens):
        depth += (t.text in "([{") - (t.text in ")]}")
        depths.append(depth)
    return any(t.text in _LOGICAL and k != i and depths[k] == depths[i] for k, t in enumerate(tokens))


def _short(text, width=50):
    return text if len(text) <= width else text[:width - 3] + "..."


def _template_argument(tokens, i):
    after = _next_code(tokens, i, 1)
    return after is not None and after.text in (">", ">>") and not _spaced(tokens, tokens.index(after))


def _matching(tokens, i, open_="(", close=")"):
    depth = 0
    for j in range(i, len(tokens)):
        if tokens[j].text == open_:
            depth += 1
        elif tokens[j].text == close:
            depth -= 1
            if depth == 0:
                return j
    return None


def _arguments(tokens, open_i, close_i):
    """Top-level argument spans (start, end) between the parentheses."""
    spans, depth, start = [], 0, tokens[open_i].end
    for t in tokens[open_i + 1:close_i]:
        if t.text in "([{":
            depth += 1
        elif t.text in ")]}":
            depth -= 1
        elif t.text == "," and depth == 0:
            spans.append((start, t.start))
            start = t.end
    spans.append((start, tokens[close_i].start))
    return spans


_DECLARATION = re.compile(r"(const\s+)?[\w:<>,]+[\s*&]+\w+(\s*=.*)?")


def _cpp_line_mutants(line, tokens, prev_code):
    """(op, change, new line) for one line of C++."""
    code = _code(tokens)
    if not code or code[0].text == "#" or any(t.text in _SKIP_WORDS for t in code):
        return []
    out = []
    for i, t in enumerate(tokens):
        table = None
        if t.kind == "op" and _spaced(tokens, i):
            near = (_next_code(tokens, i, -1), _next_code(tokens, i, 1))
            concatenation = t.text == "+" and any(n is not None and n.kind == "str" for n in near)
            for name, ops in (("relational", _RELATIONAL), ("arithmetic", _ARITHMETIC),
                              ("boolean", _LOGICAL)):
                if t.text in ops and not concatenation and not (name == "boolean" and
                                                                 _mixes_logic(tokens, i)):
                    table = (name, ops[t.text])
        if table:
            for new in table[1]:
                out.append((table[0], f"{t.text} → {new}", _replace(line, t.start, t.end, new)))
        elif t.kind == "op" and t.text == "!":
            out.append(("boolean", "! dropped", _replace(line, t.start, t.end, "")))
        elif t.kind == "id" and t.text in ("true", "false"):
            new = "false" if t.text == "true" else "true"
            out.append(("boolean", f"{t.text} → {new}", _replace(line, t.start, t.end, new)))
        elif t.kind == "id" and t.text in ("if", "while"):
            nxt = _next_code(tokens, i, 1)
            j = tokens.index(nxt) if nxt is not None and nxt.text == "(" else None
            close = _matching(tokens, j) if j is not None else None
            if close is not None and _next_code(tokens, j, 1).text != "!":
                inner = line[tokens[j].end:tokens[close].start]
                out.append(("boolean", f"{t.text} condition negated",
                            _replace(line, tokens[j].end, tokens[close].start, f"!({inner})")))
        elif t.kind == "num" and not _template_argument(tokens, i):
            for new in _number_variants(t.text):
                out.append(("constant", f"{t.text} → {new}", _replace(line, t.start, t.end, new)))
    out += _argument_swaps(line, tokens)
    out += _statement_mutants(line, tokens, prev_code)
    return out


def _argument_swaps(line, tokens):
    out = []
    for i, t in enumerate(tokens):
        if t.kind != "id" or t.text in _NOT_CALLS or i + 1 >= len(tokens) or tokens[i + 1].text != "(":
            continue
        close = _matching(tokens, i + 1)
        if close is None:
            continue
        spans = _arguments(tokens, i + 1, close)
        texts = [line[a:b].strip() for a, b in spans]
        if len(spans) < 2 or any(not s or _DECLARATION.fullmatch(s) for s in texts):
            continue
        for k in range(len(spans) - 1):
            literals = [s.startswith('"') for s in texts[k:k + 2]]
            if texts[k] == texts[k + 1] or literals[0] != literals[1]:
                continue
            (a0, a1), (b0, b1) = spans[k], spans[k + 1]
            first, second = line[a0:a1], line[b0:b1]
            lead_a, lead_b = first[:len(first) - len(first.lstrip())], second[:len(second) - len(second.lstrip())]
            swapped = (lead_a + texts[k + 1] + first[len(first.rstrip()):] + "," +
                       lead_b + texts[k] + second[len(second.rstrip()):])
            out.append(("arguments", f"{t.text}(): arguments {k + 1} and {k + 2} swapped",
                        line[:a0] + swapped + line[b1:]))
    return out


def _statement_mutants(line, tokens, prev_code):
    code = _code(tokens)
    if not code or code[-1].text != ";":
        return []
    out = []
    ret = next((k for k, t in enumerate(code) if t.text == "return"), None)
    if ret is not None and ret + 1 < len(code) - 1:
        start, end = code[ret + 1].start, code[-1].start
        expr = line[start:end].strip()
        booleanish = expr.startswith("!") or any(
            (t.text in _RELATIONAL or t.text in _LOGICAL) and _spaced(tokens, k)
            for k, t in enumerate(tokens) if start <= t.start < end)
        if booleanish:
            out.append(("return", f"return !({expr})", _replace(line, start, end, f"!({expr})")))
        elif expr not in ("*this", "this", "nullptr", "{}", "true", "false") and not (
                len(code) == ret + 3 and code[ret + 1].kind == "num"):
            out.append(("return", f"return {_short(expr, 40)} → return {{}}", _replace(line, start, end, "{}")))
    first = code[0]
    statement_start = prev_code is None or prev_code[-1].text in (";", "{", "}", ")", ":") or \
        prev_code[-1].text == "else"
    if first.kind != "id" or first.text in _NO_STATEMENT or not statement_start:
        return out
    depth = 0
    for t in code[:-1]:
        depth += (t.text in "([{") - (t.text in ")]}")
        if depth < 0:
            return out
    text = line[first.start:code[-1].end]
    assignment = re.match(r"[\w.\->\[\]()*:]+\s*(?:=|\+=|-=|\*=|/=|%=|&=|\|=|\^=|<<=|>>=)(?!=)", text)
    increment = re.fullmatch(r"[\w.\->\[\]]+\s*(\+\+|--)\s*;", text)
    call = re.match(r"[\w:.\->\[\]]*\w(?:\([^()]*\))?(?:(?:\.|->)\w+)*\(", text)
    if depth == 0 and (assignment or increment or call):
        indent = line[:first.start]
        out.append(("statement", f"deleted: {_short(text)}", indent + "{}"))
    return out


def _data_line_mutants(line, tokens):
    """Numbers of a data line, and a brace row of numbers rotated by one."""
    out = []
    for t in tokens:
        if t.kind == "num":
            for new in _number_variants(t.text):
                out.append(("data", f"{t.text} → {new}", _replace(line, t.start, t.end, new)))
    code = _code(tokens)
    if len(code) >= 4 and code[0].text == "{":
        close = _matching(code, 0, "{", "}")
        inner = code[1:close] if close else []
        values = [(inner[k - 1].text if k and inner[k - 1].text == "-" else "") + t.text
                  for k, t in enumerate(inner) if t.kind == "num"]
        shape_ok = all(t.kind == "num" or t.text in (",", "-") for t in inner)
        rotated = values[-1:] + values[:-1]
        if shape_ok and len(values) >= 2 and rotated != values:
            new = "{" + ", ".join(rotated) + "}"
            out.append(("data", "row rotated: " + new,
                        _replace(line, code[0].start, code[close].end, new)))
    return out


def _json_row_deletion(lines, number):
    """Deletes one element row of a JSON file, keeping the commas valid."""
    stripped = lines[number - 1].strip()
    if not re.fullmatch(r'(\{.*\}|"[^"]*"\s*:\s*("[^"]*"|[-\d.]+|true|false|null|\[.*\]|\{.*\})),?', stripped):
        return []
    edits = {number: None}
    if not stripped.endswith(","):
        prev = number - 1
        while prev > 0 and not lines[prev - 1].strip():
            prev -= 1
        prev_text = lines[prev - 1].rstrip("\r\n") if prev else ""
        if prev_text.rstrip().endswith(","):
            edits[prev] = prev_text.rstrip()[:-1]
    return [("data", "row deleted: " + _short(stripped), edits)]


# CMake's commands that open or close a block: deleting one breaks the file, not the build.
_CMAKE_BLOCKS = {"if", "elseif", "else", "endif", "foreach", "endforeach", "while", "endwhile",
                 "function", "endfunction", "macro", "endmacro", "block", "endblock"}


def _cmake_line_mutants(line):
    """A line whose parentheses pair up (a command, or one argument line of a longer one) deleted,
    and its numbers changed."""
    stripped = line.strip()
    if not stripped or stripped.startswith("#"):
        return []
    out = [("data", f"{t.text} → {new}", _replace(line, t.start, t.end, new))
           for t in tokenize(line)[0] if t.kind == "num" for new in _number_variants(t.text)]
    command = re.match(r"(\w+)\s*\(", stripped)
    if stripped.count("(") == stripped.count(")") and not (
            command and command.group(1).lower() in _CMAKE_BLOCKS):
        out.append(("statement", f"deleted: {_short(stripped)}", None))
    return out


def _make_line_mutants(line):
    """A recipe line of a Makefile deleted."""
    if not line.startswith("\t") or not line.strip():
        return []
    return [("statement", f"deleted: {_short(line.strip())}", None)]


def _text_line_mutants(line):
    """A line of a packaging text (changelog, copyright, manual page) deleted."""
    return [("data", f"deleted: {_short(line.strip())}", None)] if line.strip() else []


def kind_of(path):
    """'cpp', 'data' (C-syntax data included by the build), 'json', 'cmake', 'make', 'text' or
    None."""
    if path.endswith(CPP_SUFFIXES):
        return "cpp"
    if path == "Makefile":
        return "make"
    if path.endswith(".cmake") or (path.startswith("packaging/") and path.endswith("CMakeLists.txt")):
        return "cmake"
    if path.startswith("packaging/"):
        return "text"
    if path.startswith("res/") and path.endswith(".inc"):
        return "data"
    if path.startswith("res/") and path.endswith(".json"):
        return "json"
    return None


def generate(path, text, wanted=None):
    """Mutants of the file's lines in wanted (all lines when None)."""
    kind = kind_of(path)
    if kind is None:
        return []
    lines = [line.rstrip("\r\n") for line in text.splitlines(keepends=True)]
    mutants, in_comment, prev_code, continued = [], False, None, False
    for number, line in enumerate(lines, 1):
        tokens, in_comment_after = tokenize(line, in_comment) if kind in ("cpp", "data") else ([], False)
        preprocessor = continued or line.lstrip().startswith("#")
        continued = preprocessor and line.endswith("\\")
        if wanted is None or number in wanted:
            found = []
            if kind == "cpp" and not preprocessor:
                found = [(op, change, {number: new}) for op, change, new in
                         _cpp_line_mutants(line, tokens, prev_code)]
            elif kind == "data" and not preprocessor:
                found = [(op, change, {number: new}) for op, change, new in _data_line_mutants(line, tokens)]
            elif kind == "json":
                json_tokens = _json_tokens(line)
                found = [(op, change, {number: new}) for op, change, new in _data_line_mutants(line, json_tokens)]
                found += _json_row_deletion(lines, number)
            elif kind in _LINE_MUTANTS:
                found = [(op, change, {number: new}) for op, change, new in _LINE_MUTANTS[kind](line)]
            mutants += [Mutant(path, number, op, change, edits) for op, change, edits in found]
        code = _code(tokens)
        if code and not preprocessor:
            prev_code = code
        in_comment = in_comment_after
    return mutants


def _json_tokens(line):
    """JSON tokens: strings are opaque, numbers keep their minus sign outside the literal."""
    tokens, pos = [], 0
    for m in re.finditer(r'"(?:\\.|[^"\\])*"|\d+(?:\.\d+)?(?:[eE][+-]?\d+)?|\s+|.', line):
        text = m.group()
        kind = "str" if text.startswith('"') else "num" if text[0].isdigit() else \
            "ws" if text.isspace() else "op"
        tokens.append(Token(kind, text, m.start()))
    return tokens


_LINE_MUTANTS = {"cmake": _cmake_line_mutants, "make": _make_line_mutants, "text": _text_line_mutants}


def is_mutable(path):
    """The game's and tools' sources, the data the build reads, the build's own CMake modules, the
    Makefile and the packaging; never tests or this tool."""
    parts = path.split("/")
    if parts[0] not in ("src", "tools", "res", "cmake", "packaging", "Makefile") or "tests" in parts \
            or path.startswith("tools/mutants/"):
        return False
    cmake_lists = os.path.basename(path) == "CMakeLists.txt" and parts[0] != "packaging"
    return kind_of(path) is not None and not cmake_lists
