#include "gui/gdi_font.h"

namespace hotlist {

UniqueFont createChineseFont() {
    constexpr int kCharacterHeight = -12;
    return UniqueFont(CreateFontW(kCharacterHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun"));
}

}  // namespace hotlist
