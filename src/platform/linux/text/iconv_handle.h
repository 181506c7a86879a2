#pragma once

#include <iconv.h>

#include <memory>
#include <type_traits>

namespace hotlist {

struct IconvCloser {
    void operator()(std::remove_pointer_t<iconv_t>* handle) const { iconv_close(handle); }
};

// An open iconv conversion, closed when the owner goes; null when iconv_open failed.
using IconvHandle = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// Opens the conversion from `fromCode` to `toCode`; null when iconv knows neither.
inline IconvHandle openIconv(const char* toCode, const char* fromCode) {
    iconv_t handle = iconv_open(toCode, fromCode);
    return IconvHandle(handle == reinterpret_cast<iconv_t>(-1) ? nullptr : handle);
}

}  // namespace hotlist
