#pragma once

#include "text/code_page_converter.h"
#include "text/cp936_codec.h"

namespace hotlist {

// The platform converters over glibc: UTF-8 (65001) decoded and encoded here, code page 936
// (and 0, the ANSI code page, which is 936 on this system) through iconv. Other code pages are
// refused with 0, as is an output buffer too small for the result.
class IconvCodePageConverter final : public CodePageConverter {
  public:
    IconvCodePageConverter() = default;

    int MultiByteToWideChar(unsigned codePage, const char* input, char16_t* output,
                            int outputUnits) override;
    int WideCharToMultiByte(unsigned codePage, const char16_t* input, char* output,
                            int outputBytes) override;

  private:
    Cp936Codec gbk_;
};

}  // namespace hotlist
