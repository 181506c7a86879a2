#pragma once

#include "text/code_page_converter.h"

namespace hotlist {

// The system's own converters, called with flags 0 and an input length of -1.
class Win32CodePageConverter final : public CodePageConverter {
  public:
    int MultiByteToWideChar(unsigned codePage, const char* input, char16_t* output,
                            int outputUnits) override;
    int WideCharToMultiByte(unsigned codePage, const char16_t* input, char* output,
                            int outputBytes) override;
};

}  // namespace hotlist
