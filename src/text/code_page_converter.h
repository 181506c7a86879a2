#pragma once

namespace hotlist {

// The platform's two code page converters, called as MultiByteToWideChar and
// WideCharToMultiByte with flags 0 and an input length of -1: the input ends at its first
// zero, malformed or unconvertible input never fails a call (a replacement stands in), and
// a call with no output and size 0 returns the size needed, terminator included.
class CodePageConverter {
  public:
    virtual ~CodePageConverter() = default;
    // Returns the number of UTF-16 units written (or needed), terminator included; 0 on failure.
    virtual int MultiByteToWideChar(unsigned codePage, const char* input, char16_t* output,
                                    int outputUnits) = 0;
    // Returns the number of bytes written (or needed), terminator included; 0 on failure.
    virtual int WideCharToMultiByte(unsigned codePage, const char16_t* input, char* output,
                                    int outputBytes) = 0;
};

inline constexpr unsigned kCodePageAnsi = 0;
inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageUtf8 = 65001;

}  // namespace hotlist
