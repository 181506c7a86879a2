#pragma once

namespace hotlist {

// Where the skin library is installed system-wide (`cmake --install` with the default prefix).
inline constexpr char kSystemLibraryDirectory[] = "/usr/local/lib";

// Writes the system library directory and its NUL into `buffer` when they fit in
// `capacity` bytes; otherwise leaves the buffer as it was.
void copySystemDirectory(char* buffer, int capacity);

}  // namespace hotlist
