#pragma once

#include "text/text.h"

namespace hotlist {

// One item per "Set-Cookie: " line of the response headers (the part up to the first ";",
// trimmed), joined by "; " in line order.
Text collectReturnedCookies(const Text& responseHeaders);

// Merges the returned cookies into the sent ones: returned items first, then sent items whose
// name the server did not return; "=deleted" markers and exact repeats dropped. Both
// arguments are trimmed in place and `sent` ends up holding the result.
Text mergeCookies(Text& sent, Text& returned);

// The trimmed part of a cookie item before its first "=", or the whole trimmed item.
Text cookieName(const Text& item);

// Whether some item has exactly that cookie name.
bool containsCookieName(const TextArray& items, const Text& name);

}  // namespace hotlist
