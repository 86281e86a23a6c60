#!/usr/bin/python3
"""Prints, one a line as hex, every content a settings file passes through while the program saves
it key by key (each key a whole-file atomic write): the old file, then the old file with the first
1, 2, ... keys of the new file applied, in the order the program writes its sections.

  ini_states.py OLD NEW
"""
import sys

SECTION_ORDER = ["GLOBAL", "CHRONO", "SON", "BACKGRD", "CALCULS"]


def lines_of(data):
    text = data.decode("cp1252", errors="replace")
    lines = text.replace("\r\n", "\n").split("\n")
    return lines[:-1] if lines and lines[-1] == "" else lines


def section_name(line):
    t = line.strip(" \t")
    if t.startswith("[") and "]" in t:
        return t[1:t.index("]")].strip(" \t")
    return None


def entry_key(line):
    if "=" not in line:
        return None
    key = line[:line.index("=")].strip(" \t")
    return None if key.startswith(";") else key


def set_value(lines, section, key, value):
    section_line = entry_line = last_entry = -1
    inside = False
    for i, line in enumerate(lines):
        name = section_name(line)
        if name is not None:
            if section_line >= 0:
                break
            inside = name.lower() == section.lower()
            if inside:
                section_line = last_entry = i
            continue
        if inside and entry_key(line) is not None:
            last_entry = i
            if entry_line < 0 and entry_key(line).lower() == key.lower():
                entry_line = i
    if entry_line >= 0:
        lines[entry_line] = lines[entry_line][:lines[entry_line].index("=")].strip(" \t") + "=" + value
    elif section_line >= 0:
        lines.insert(last_entry + 1, key + "=" + value)
    else:
        lines += ["[" + section + "]", key + "=" + value]


def encode(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main(old_path, new_path):
    old = open(old_path, "rb").read()
    new = open(new_path, "rb").read()
    writes, section = [], None
    for line in lines_of(new):
        name = section_name(line)
        if name is not None:
            section = name
        elif entry_key(line) is not None:
            writes.append((section, entry_key(line), line[line.index("=") + 1:]))
    writes.sort(key=lambda w: SECTION_ORDER.index(w[0]) if w[0] in SECTION_ORDER else len(SECTION_ORDER))
    lines = lines_of(old)
    states = [old]
    for section, key, value in writes:
        set_value(lines, section, key, value)
        states.append(encode(lines))
    if states[-1] != new:
        sys.exit("the key by key writes do not end in the new file")
    for state in states:
        print(state.hex())


if __name__ == "__main__":
    main(*sys.argv[1:])
