#pragma once

#include "text/code_page_converter.h"
#include "text/text.h"

namespace hotlist {

// A UTF-8 text (as fetched) converted to code page 936.
Text utf8ToLocal(CodePageConverter& converter, const Text& text);

// The text's bytes in `codePage` as UTF-16LE units ending with a zero unit; empty for empty text.
Bytes textToWide(CodePageConverter& converter, const Text& text, unsigned codePage = kCodePageUtf8);

// Bytes up to their first zero byte as UTF-16LE units ending with a zero unit; empty when none.
Bytes multiByteToWide(CodePageConverter& converter, const Bytes& bytes, unsigned codePage);

// UTF-16LE units converted to a code page 936 text.
Text wideToLocal(CodePageConverter& converter, const Bytes& wide);

// UTF-16LE units converted to a text in `codePage`, up to the first zero byte.
Text wideToText(CodePageConverter& converter, const Bytes& wide, unsigned codePage = kCodePageAnsi);

// UTF-16LE units up to the first zero unit, in `codePage`, without terminator.
Bytes wideToMultiByte(CodePageConverter& converter, const Bytes& wide, unsigned codePage);

}  // namespace hotlist
