#pragma once

#include "app/constants.h"
#include "app/window_system.h"

namespace hotlist {

inline constexpr int kMainWindowOuterWidth = 918;
inline constexpr int kMainWindowOuterHeight = 577;

// The main window and its seven controls, centred on a screen of the given size.
MainWindowDefinition mainWindowDefinition(ScreenSize screen,
                                          int timerPeriodMs = kCollectionPeriodMs);

}  // namespace hotlist
