#!/usr/bin/env python3
"""Compiles a readable skin description into our binary skin format.

Usage: make_skin.py <description> <size> <header> <namespace> [<binary>]

Writes a C++ header holding the skin as `kEmbeddedSkinData`, padded with a padding record
to exactly <size> bytes, and optionally the raw skin file. The format is described in
docs/skin-format.md; the role numbers below match src/skin/skin_format.h.
"""
import re
import struct
import sys
import zlib

MAGIC = b".SHE"
VERSION = 1
HEADER_SIZE = 16
RECORD_HEADER_SIZE = 4

NAME, COLOUR, FONT, METRIC, PADDING = 0x0001, 0x0002, 0x0003, 0x0004, 0x00FF

COLOUR_ROLES = [
    "window.background", "window.text", "button.face", "button.text", "button.border",
    "button.hover", "button.pressed", "list.background", "list.text", "list.alternate",
    "selection.background", "selection.text", "header.background", "header.text",
    "status.background", "status.text", "frame",
]
FONT_ROLES = ["window", "button", "header", "status"]
METRICS = ["button.radius", "border.width", "header.height", "row.padding"]


def record(kind: int, payload: bytes) -> bytes:
    if len(payload) > 0xFFFF:
        raise ValueError("a record holds at most 65535 bytes")
    return struct.pack("<HH", kind, len(payload)) + payload


def parse_line(line: str) -> bytes:
    if m := re.fullmatch(r"name\s*=\s*(.+)", line):
        return record(NAME, m.group(1).strip().encode("utf-8"))
    if m := re.fullmatch(r"colour\s+(\S+)\s*=\s*#([0-9a-fA-F]{6})", line):
        role = COLOUR_ROLES.index(m.group(1))
        return record(COLOUR, bytes([role]) + bytes.fromhex(m.group(2)))
    if m := re.fullmatch(r'font\s+(\S+)\s*=\s*"([^"]+)"\s+(\d+)\s+(\d+)', line):
        role = FONT_ROLES.index(m.group(1))
        payload = struct.pack("<BBH", role, int(m.group(3)), int(m.group(4)))
        return record(FONT, payload + m.group(2).encode("utf-8"))
    if m := re.fullmatch(r"metric\s+(\S+)\s*=\s*(\d+)", line):
        return record(METRIC, struct.pack("<BH", METRICS.index(m.group(1)), int(m.group(2))))
    raise ValueError(f"not a skin line: {line!r}")


def compile_skin(description: str, size: int) -> bytes:
    body = b""
    for number, raw in enumerate(description.splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        try:
            body += parse_line(line)
        except ValueError as error:
            raise SystemExit(f"line {number}: {error}")
    padding = size - HEADER_SIZE - len(body) - RECORD_HEADER_SIZE
    if padding < 0:
        raise SystemExit(f"the skin needs {size - padding} bytes, more than {size}")
    body += record(PADDING, bytes(padding))
    header = MAGIC + struct.pack("<HHII", VERSION, 0, HEADER_SIZE + len(body), zlib.crc32(body))
    return header + body


def cpp_header(data: bytes, source: str, namespace: str) -> str:
    rows = [", ".join(f"0x{b:02x}" for b in data[i : i + 16]) for i in range(0, len(data), 16)]
    return "\n".join(
        [
            f"// Generated from {source}; edit that file instead.",
            "#pragma once",
            "",
            "#include <cstddef>",
            "",
            f"namespace {namespace} {{",
            f"inline constexpr std::size_t kEmbeddedSkinSize = {len(data)};",
            "inline constexpr unsigned char kEmbeddedSkinData[kEmbeddedSkinSize] = {",
            *[f"    {row}," for row in rows],
            "};",
            f"}}  // namespace {namespace}",
            "",
        ]
    )


def write_if_changed(path: str, content, mode: str) -> None:
    try:
        with open(path, "r" + mode) as f:
            if f.read() == content:
                return
    except FileNotFoundError:
        pass
    with open(path, "w" + mode) as f:
        f.write(content)


def main() -> int:
    source, size, header, namespace = sys.argv[1:5]
    with open(source, encoding="utf-8") as f:
        data = compile_skin(f.read(), int(size))
    write_if_changed(header, cpp_header(data, source.split("/")[-1], namespace), "")
    if len(sys.argv) > 5:
        write_if_changed(sys.argv[5], data, "b")
    return 0


if __name__ == "__main__":
    sys.exit(main())
