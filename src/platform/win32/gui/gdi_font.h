#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace hotlist {

struct FontDeleter {
    void operator()(HFONT font) const noexcept { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// A 12-pixel SimSun face in the GB2312 character set, which has the Chinese glyphs of the
// program's texts; null when the system cannot make it.
UniqueFont createChineseFont();

}  // namespace hotlist
