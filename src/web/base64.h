#pragma once

#include "text/text.h"

namespace hotlist {

// Standard Base64 (RFC 4648) with "=" padding and no line breaks.
Text base64Encode(const Bytes& data);

}  // namespace hotlist
