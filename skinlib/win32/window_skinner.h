#pragma once

#include <windows.h>

#include "skin/skin_format.h"

namespace hotlist::skinlib {

// Applies the skin to every window of the calling thread: top-level windows paint their
// background and answer WM_CTLCOLOR* in the skin's colours, push buttons are drawn by us,
// list views and their headers take the skin's colours. Returns false when the thread
// has no window.
bool skinThreadWindows(const skinformat::Skin& skin);

}  // namespace hotlist::skinlib
