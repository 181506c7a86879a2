#!/usr/bin/env python3
"""Turns a table of UTF-8 texts into a C++ header of code page 936 byte strings.

Input lines are `name = text`; blank lines and lines starting with '#' are skipped.
Escapes in the text: \\r, \\n, \\t, \\\\, and \\xHH for a raw byte. Every other byte goes
through the GBK encoder, so the program never depends on the compiler's execution
character set.
"""
import re
import sys


def encode(text: str) -> bytes:
    out = bytearray()
    i = 0
    while i < len(text):
        ch = text[i]
        if ch == "\\" and i + 1 < len(text):
            nxt = text[i + 1]
            simple = {"r": b"\r", "n": b"\n", "t": b"\t", "\\": b"\\", "s": b" "}
            if nxt in simple:
                out += simple[nxt]
                i += 2
                continue
            if nxt == "x":
                out.append(int(text[i + 2 : i + 4], 16))
                i += 4
                continue
            raise ValueError(f"unknown escape \\{nxt}")
        out += ch.encode("gbk")
        i += 1
    if 0 in out:
        raise ValueError("a text never holds a zero byte")
    return bytes(out)


def literal(data: bytes) -> str:
    # Hex escapes for every byte keep the header plain ASCII; split after each escape
    # so that a following hex digit is not swallowed.
    return "".join(f'"\\x{b:02x}"' for b in data) if data else '""'


def main() -> int:
    source, header, namespace = sys.argv[1:4]
    entries = []
    with open(source, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            match = re.fullmatch(r"\s*([A-Za-z_][A-Za-z0-9_]*)\s*=\s?(.*)", line)
            if not match:
                raise SystemExit(f"{source}:{number}: expected `name = text`")
            entries.append((match.group(1), encode(match.group(2)), match.group(2)))
    lines = [
        f"// Generated from {source.split('/')[-1]}; edit that file instead.",
        "#pragma once",
        "",
        f"namespace {namespace} {{",
    ]
    for name, data, readable in entries:
        lines.append(f"// {readable}")
        lines.append(f"inline constexpr char {name}[] = {literal(data)};")
    lines += [f"}}  // namespace {namespace}", ""]
    text = "\n".join(lines)
    try:
        with open(header, encoding="utf-8") as f:
            if f.read() == text:
                return 0
    except FileNotFoundError:
        pass
    with open(header, "w", encoding="utf-8") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
