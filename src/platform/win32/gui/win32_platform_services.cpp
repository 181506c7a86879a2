#include "gui/win32_platform_services.h"

#include "skin/embedded_skin.h"

namespace hotlist {

Win32PlatformServices::Win32PlatformServices(Shell* shell)
    : skin_(files_, skinLoader_, embeddedSkin()),
      platform_{
          com_,   http_, regExps_, converter_, pump_, windows_, shell != nullptr ? *shell : shell_,
          files_, skin_, process_} {}

}  // namespace hotlist
