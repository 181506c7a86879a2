#pragma once

#include "text/text.h"

namespace hotlist {

// The file-system and process queries the system makes of its platform.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // True when a find-first-file lookup of the pattern finds any entry (files and
    // directories alike; wildcards act as a pattern).
    virtual bool findFirstFile(const Text& pattern) = 0;
    // The full path of the running program's executable file.
    virtual Text executablePath() = 0;
    // The separator between directory names in this platform's paths.
    [[nodiscard]] virtual char pathSeparator() const = 0;
    // Writes the system directory and its NUL into `buffer` when they fit in `capacity`
    // bytes; otherwise, or on a platform without one, leaves the buffer as it was.
    virtual void getSystemDirectory(char* buffer, int capacity) {
        static_cast<void>(buffer);
        static_cast<void>(capacity);
    }
};

// True when the path names an existing file or directory; the empty path is false.
bool fileExists(FileSystem& files, const Text& path);

// The executable's directory without a trailing separator; empty when the path holds none.
Text runDirectory(FileSystem& files);

}  // namespace hotlist
