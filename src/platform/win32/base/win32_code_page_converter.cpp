#include "base/win32_code_page_converter.h"

#include <windows.h>

namespace hotlist {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

int Win32CodePageConverter::MultiByteToWideChar(unsigned codePage, const char* input,
                                                char16_t* output, int outputUnits) {
    return ::MultiByteToWideChar(codePage, 0, input, -1, reinterpret_cast<wchar_t*>(output),
                                 outputUnits);
}

int Win32CodePageConverter::WideCharToMultiByte(unsigned codePage, const char16_t* input,
                                                char* output, int outputBytes) {
    return ::WideCharToMultiByte(codePage, 0, reinterpret_cast<const wchar_t*>(input), -1, output,
                                 outputBytes, nullptr, nullptr);
}

}  // namespace hotlist
