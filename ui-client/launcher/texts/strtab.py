#!/usr/bin/env python3
"""Keeps the string table and the translation catalogues in step.

strtab.cpp holds the one list of rows (key and English text); this tool reads it and

  strtab.py update            writes translations/enu.ts (every text translated by itself)
                              and adds every text missing from the other .ts files as an
                              unfinished entry for the translators
  strtab.py new CODE LANG     creates translations/CODE.ts for the Qt locale LANG
                              (for example: strtab.py new deu de_DE), every text unfinished
  strtab.py check             changes nothing; fails when the table is malformed, its keys
                              differ from the enumerators of strtab.h, enu.ts is not what
                              "update" writes, or a .ts file lacks a finished translation
  strtab.py enum-names OUT    writes the C++ table of enumerator names the tests compare
                              with the keys
"""

import os
import re
import sys
import xml.etree.ElementTree as ET
from xml.sax.saxutils import escape

HERE = os.path.dirname(os.path.abspath(__file__))
STRTAB_CPP = os.path.join(HERE, "strtab.cpp")
STRTAB_H = os.path.join(HERE, "strtab.h")
TS_DIR = os.path.join(HERE, "translations")
SOURCE_CODE = "enu"
SOURCE_LANGUAGE = "en_US"
CONTEXT = "global"

ROW_RE = re.compile(r'\{\s*"([^"\\]*)"\s*,\s*((?:"[^"\\\n]*"\s*)+)\}')
LITERAL_RE = re.compile(r'"([^"\\\n]*)"')
KEY_RE = re.compile(r"^[a-z_]+$")


class TableError(Exception):
    pass


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def table_rows(path=STRTAB_CPP):
    """The rows of strtab.cpp as (key, text) pairs, in row order."""
    src = read(path)
    start = src.find("const Row rows[NUM_STRING_IDS] = {")
    end = src.find("\n};", start)
    if start < 0 or end < 0:
        raise TableError("%s: the rows array was not found" % path)
    body = src[start:end]
    body = body[body.index("{") + 1:]
    rows = []
    for m in ROW_RE.finditer(body):
        text = "".join(LITERAL_RE.findall(m.group(2)))
        rows.append((m.group(1), text))
    # Anything the pattern skipped (an escape, a stray literal) would silently drop a row.
    leftover = ROW_RE.sub("", body).replace(",", "").strip()
    if leftover:
        raise TableError("%s: cannot read the rows near: %s" % (path, leftover[:80]))
    return rows


def enum_names(path=STRTAB_H):
    """The enumerators of StringID in declaration order."""
    src = read(path)
    m = re.search(r"enum\s+StringID\s*\{(.*?)\};", src, re.S)
    if not m:
        raise TableError("%s: enum StringID was not found" % path)
    body = re.sub(r"//[^\n]*|/\*.*?\*/", "", m.group(1), flags=re.S)
    names = [n.strip() for n in body.split(",") if n.strip()]
    for n in names:
        if not re.match(r"^[A-Za-z_][A-Za-z0-9_]*$", n):
            raise TableError("%s: enumerator %r has an explicit value or is malformed" % (path, n))
    return names


def table_problems(rows, names):
    problems = []
    if len(rows) != len(names):
        problems.append("strtab.cpp has %d rows, strtab.h %d enumerators" % (len(rows), len(names)))
    for i, ((key, text), name) in enumerate(zip(rows, names)):
        if key != name:
            problems.append("row %d: key %r differs from enumerator %r" % (i, key, name))
        if not KEY_RE.match(key):
            problems.append("row %d: key %r is not lower-case letters and underscores" % (i, key))
        if not text or not all(" " <= c <= "~" for c in text) or "\\" in text:
            problems.append("row %d: text %r is empty or not plain printable ASCII" % (i, text))
    folded = {}
    for i, (key, _) in enumerate(rows):
        if key.lower() in folded:
            problems.append("rows %d and %d: keys equal ignoring case" % (folded[key.lower()], i))
        folded.setdefault(key.lower(), i)
    return problems


def distinct_texts(rows):
    """Each distinct text once, in order of its first row, with the keys that use it."""
    keys_of = {}
    for key, text in rows:
        keys_of.setdefault(text, []).append(key)
    return list(keys_of.items())


class Message:
    def __init__(self, source, translation="", finished=False, vanished=False, note=""):
        self.source = source
        self.translation = translation
        self.finished = finished
        self.vanished = vanished
        self.note = note


def read_ts(path):
    """(language attribute, messages of the context "global" keyed by source text)."""
    root = ET.parse(path).getroot()
    messages = {}
    for ctx in root.findall("context"):
        if ctx.findtext("name") != CONTEXT:
            continue
        for msg in ctx.findall("message"):
            tr = msg.find("translation")
            kind = tr.get("type") if tr is not None else "unfinished"
            text = (tr.text or "") if tr is not None else ""
            source = msg.findtext("source") or ""
            messages[source] = Message(
                source, text,
                finished=kind is None and text != "",
                vanished=kind in ("vanished", "obsolete"))
    return root.get("language", ""), messages


def render_ts(language, messages):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1" language="%s" sourcelanguage="%s">' % (language, SOURCE_LANGUAGE),
           "<context>", "    <name>%s</name>" % CONTEXT]
    for m in messages:
        out.append("    <message>")
        out.append("        <source>%s</source>" % escape(m.source))
        if m.note:
            out.append("        <extracomment>%s</extracomment>" % escape(m.note))
        kind = ""
        if m.vanished:
            kind = ' type="vanished"'
        elif not m.finished:
            kind = ' type="unfinished"'
        out.append("        <translation%s>%s</translation>" % (kind, escape(m.translation)))
        out.append("    </message>")
    out += ["</context>", "</TS>", ""]
    return "\n".join(out)


def write_if_changed(path, text):
    if os.path.exists(path) and read(path) == text:
        return False
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return True


def write_ts(path, language, messages):
    return write_if_changed(path, render_ts(language, messages))


def note_of(keys):
    return "Used by: " + ", ".join(keys)


def source_messages(texts):
    return [Message(t, t, finished=True, note=note_of(k)) for t, k in texts]


def merged_messages(texts, old):
    """The table's texts with the translations of `old`; texts no longer in the table
    stay at the end as vanished entries, so no translator's work is thrown away."""
    merged = []
    for text, keys in texts:
        m = old.get(text)
        if m is None or m.vanished:
            merged.append(Message(text, m.translation if m else "", note=note_of(keys)))
        else:
            merged.append(Message(text, m.translation, m.finished, note=note_of(keys)))
    current = {t for t, _ in texts}
    for source, m in old.items():
        if source not in current:
            merged.append(Message(source, m.translation, vanished=True))
    return merged


def ts_files():
    return sorted(os.path.join(TS_DIR, f) for f in os.listdir(TS_DIR) if f.endswith(".ts"))


def code_of(path):
    return os.path.basename(path)[:-len(".ts")]


def checked_table():
    rows = table_rows()
    problems = table_problems(rows, enum_names())
    if problems:
        raise TableError("\n".join(problems))
    return rows


def cmd_update(_args):
    texts = distinct_texts(checked_table())
    enu = os.path.join(TS_DIR, SOURCE_CODE + ".ts")
    if write_ts(enu, SOURCE_LANGUAGE, source_messages(texts)):
        print("wrote", enu)
    for path in ts_files():
        if code_of(path) == SOURCE_CODE:
            continue
        language, old = read_ts(path)
        if write_ts(path, language, merged_messages(texts, old)):
            print("updated", path)
    return 0


def cmd_new(args):
    if len(args) != 2 or not re.match(r"^[a-z]{3}$", args[0]):
        print("usage: strtab.py new CODE LANG   (CODE: three lower-case letters)",
              file=sys.stderr)
        return 2
    path = os.path.join(TS_DIR, args[0] + ".ts")
    if os.path.exists(path):
        print("%s exists already; run: strtab.py update" % path, file=sys.stderr)
        return 1
    write_ts(path, args[1], merged_messages(distinct_texts(checked_table()), {}))
    print("wrote", path)
    return 0


def cmd_check(_args):
    rows = table_rows()
    problems = table_problems(rows, enum_names())
    texts = distinct_texts(rows)
    enu = os.path.join(TS_DIR, SOURCE_CODE + ".ts")
    if not os.path.exists(enu) or read(enu) != render_ts(SOURCE_LANGUAGE, source_messages(texts)):
        problems.append("%s is not up to date; run: strtab.py update" % enu)
    for path in ts_files():
        if code_of(path) == SOURCE_CODE:
            continue
        _, messages = read_ts(path)
        for text, _ in texts:
            m = messages.get(text)
            if m is None:
                problems.append("%s: missing: %s" % (os.path.basename(path), text))
            elif not m.finished:
                problems.append("%s: not finished: %s" % (os.path.basename(path), text))
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


def cmd_enum_names(args):
    if len(args) != 1:
        print("usage: strtab.py enum-names OUT", file=sys.stderr)
        return 2
    lines = ["// Generated by strtab.py from strtab.h.\n"]
    lines += ['{StrTable::%s, "%s"},\n' % (n, n) for n in enum_names()]
    write_if_changed(args[0], "".join(lines))
    return 0


COMMANDS = {"update": cmd_update, "new": cmd_new, "check": cmd_check,
            "enum-names": cmd_enum_names}


def main(argv):
    if len(argv) < 2 or argv[1] not in COMMANDS:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        return COMMANDS[argv[1]](argv[2:])
    except (TableError, ET.ParseError, OSError) as e:
        print("strtab.py: %s" % e, file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
