#pragma once

#include "text/file_system.h"
#include "text/linux_system_directory.h"

namespace hotlist {

// File-system and process queries over glob(3) and /proc.
class LinuxFileSystem final : public FileSystem {
  public:
    // True when glob(3) matches any file or directory; wildcards act as a pattern.
    bool findFirstFile(const Text& pattern) override;
    // The target of /proc/self/exe, whatever its length; empty when it cannot be read.
    Text executablePath() override;
    [[nodiscard]] char pathSeparator() const override { return '/'; }
    // The system library directory, /usr/local/lib, where the skin library is installed.
    void getSystemDirectory(char* buffer, int capacity) override {
        copySystemDirectory(buffer, capacity);
    }
};

}  // namespace hotlist
