#pragma once

#include "text/text.h"

namespace hotlist {

// Appends, after CR LF each, the default headers whose "Name:" the block does not yet hold
// anywhere (ASCII case folded); Content-Type only for method 1 (POST).
Text addDefaultHeaders(const Text& block, const Text& url, int method);

// Drops empty lines and lines without a colon, capitalises each name and its dash-separated
// parts, and joins the lines with CR LF without a final CR LF.
Text normaliseHeaderBlock(const Text& block);

// The word with its first byte upper-cased when it is an ASCII letter.
Text capitaliseFirst(const Text& word);

// The trimmed bytes before the first colon; empty when the line has no colon.
Text headerName(const Text& line);

// The trimmed bytes after the first colon; empty when the line has no colon.
Text headerValue(const Text& line);

}  // namespace hotlist
