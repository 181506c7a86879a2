#include <windows.h>

#include <cstdint>
#include <span>

#include "skin/skin_format.h"
#include "win32/window_skinner.h"

namespace {

// Returned when the calling thread has no window to skin.
constexpr std::int32_t kNoWindow = 22;

}  // namespace

// Applies a skin held in memory to the windows of the calling thread. The password and the
// three integers are reserved; our skins are not encrypted. Returns 0 when applied;
// otherwise no window has been touched. Exported undecorated through SkinH_EL.def.
extern "C" std::int32_t __stdcall SkinH_AttachRes(const unsigned char* data, std::int32_t length,
                                                  const char* password, std::int32_t a,
                                                  std::int32_t b, std::int32_t c) {
    static_cast<void>(password);
    static_cast<void>(a);
    static_cast<void>(b);
    static_cast<void>(c);
    using hotlist::skinformat::SkinError;
    const hotlist::skinformat::ParsedSkin parsed = hotlist::skinformat::parseSkin(data, length);
    if (parsed.error != SkinError::none) {
        return static_cast<std::int32_t>(parsed.error);
    }
    return hotlist::skinlib::skinThreadWindows(parsed.skin) ? 0 : kNoWindow;
}
