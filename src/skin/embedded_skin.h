#pragma once

#include "text/text.h"

namespace hotlist {

// The skin carried inside the program: 6101 bytes in our skin format, starting ".SHE".
Bytes embeddedSkin();

}  // namespace hotlist
