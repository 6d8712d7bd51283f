#!/usr/bin/env python3
"""Appends the call-stack table to a linked Windows executable.

The crash reporter names each address of a call stack by function, source file and line without any debug
files on the user's machine. This build step reads the function symbols (nm) and the DWARF line table
(objdump) of the freshly linked executable, strips the debug sections, and appends the table after the
image, where the loader ignores it and the reporter finds it by its trailer (see crash/stack_map.h for
the layout).

usage: crash_map.py --nm NM --objdump OBJDUMP --objcopy OBJCOPY [--root SOURCE_DIR] [--build-dir DIR] EXE
"""
import argparse
import os
import re
import struct
import subprocess
import sys

MAGIC = b"HCMAP\x00\x01\x00"
TRAILER = struct.Struct("<I8s")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True, errors="replace").stdout


def image_base(objdump, exe):
    match = re.search(r"^ImageBase\s+([0-9a-fA-F]+)", run(objdump, "-p", exe), re.M)
    if not match:
        sys.exit(f"crash_map: no ImageBase in {exe}")
    return int(match.group(1), 16)


def functions(nm, exe, base):
    out = {}
    for line in run(nm, "-C", "--defined-only", exe).splitlines():
        parts = line.split(None, 2)
        if len(parts) != 3 or parts[1] not in ("T", "t"):
            continue
        address = int(parts[0], 16)
        name = parts[2]
        if address < base or name.startswith((".", "__imp_")):
            continue
        # Several names for one address (aliases, thunks): the first one nm lists, which is the longest lived.
        out.setdefault(address - base, name)
    return sorted(out.items())


def unit_name(path, root):
    path = os.path.normpath(path)
    if root and os.path.isabs(path):
        relative = os.path.relpath(path, root)
        if not relative.startswith(".."):
            return relative.replace(os.sep, "/")
    if path.startswith("./"):
        path = path[2:]
    return path.replace(os.sep, "/")


def line_rows(objdump, exe, base, root, build_dir):
    """(rva, line, unit) rows; a line of 0 marks the end of a sequence."""
    rows = []
    current = None
    known = {}
    header = re.compile(r"^(?:CU: )?(.+):$")
    row = re.compile(r"^(\S+)\s+(\d+|-)\s+(0x[0-9a-fA-F]+)")
    text = run(objdump, "--dwarf=decodedline", exe).splitlines()

    def full(path):
        # A compile cache with a base directory makes the compiler see paths relative to the build tree.
        if not os.path.isabs(path) and os.sep in path and build_dir:
            resolved = os.path.normpath(os.path.join(build_dir, path))
            if os.path.exists(resolved):
                return resolved
        return path

    # A sequence of a file (its cold code, say) may name it without directory, even before the sequence
    # that gives the full path; the full paths are gathered first.
    for line in text:
        m = header.match(line)
        if m and os.path.isabs(full(m.group(1))):
            known.setdefault(os.path.basename(m.group(1)), full(m.group(1)))
    for line in text:
        if not line or line.startswith(("Contents of", "File name", " ")):
            continue
        m = header.match(line)
        if m and " " not in m.group(1).strip():
            path = full(m.group(1))
            if not os.path.isabs(path):
                path = known.get(os.path.basename(path), path)
            current = unit_name(path, root)
            continue
        m = row.match(line)
        if not m or current is None:
            continue
        address = int(m.group(3), 16)
        if address < base:
            continue
        number = 0 if m.group(2) == "-" else int(m.group(2))
        name = m.group(1)
        unit = current if os.path.basename(current) == name else unit_name(known.get(name, name), root)
        rows.append((address - base, number, unit))
    rows.sort(key=lambda r: (r[0], r[1] == 0))
    # One row per address; an end-of-sequence row gives way to a row starting there.
    unique = {}
    for rva, number, unit in rows:
        if rva not in unique or unique[rva][0] == 0:
            unique[rva] = (number, unit)
    return sorted((rva, n, u) for rva, (n, u) in unique.items())


def build_payload(funcs, lines):
    strings = bytearray()
    offsets = {}

    def intern(text):
        if text not in offsets:
            offsets[text] = len(strings)
            strings.extend(text.encode("utf-8", "replace") + b"\x00")
        return offsets[text]

    body = bytearray()
    for rva, name in funcs:
        body += struct.pack("<II", rva, intern(name))
    for rva, number, unit in lines:
        body += struct.pack("<III", rva, number, intern(unit))
    header = struct.pack("<IIII", 1, len(funcs), len(lines), len(strings))
    return bytes(header + body + strings)


def strip_old_table(exe):
    with open(exe, "r+b") as f:
        f.seek(0, os.SEEK_END)
        size = f.tell()
        if size < TRAILER.size:
            return
        f.seek(size - TRAILER.size)
        payload, magic = TRAILER.unpack(f.read(TRAILER.size))
        if magic == MAGIC and payload + TRAILER.size <= size:
            f.truncate(size - TRAILER.size - payload)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--nm", required=True)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--objcopy", required=True)
    parser.add_argument("--root", default="")
    parser.add_argument("--build-dir", default="", help="the directory the compiler ran in")
    parser.add_argument("exe")
    args = parser.parse_args()

    strip_old_table(args.exe)
    base = image_base(args.objdump, args.exe)
    funcs = functions(args.nm, args.exe, base)
    lines = line_rows(args.objdump, args.exe, base, os.path.abspath(args.root) if args.root else "",
                      os.path.abspath(args.build_dir) if args.build_dir else "")
    run(args.objcopy, "--strip-debug", args.exe)
    payload = build_payload(funcs, lines)
    with open(args.exe, "ab") as f:
        f.write(payload)
        f.write(TRAILER.pack(len(payload), MAGIC))


if __name__ == "__main__":
    main()
