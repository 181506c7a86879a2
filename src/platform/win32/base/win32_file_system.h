#pragma once

#include "base/win32_system_directory.h"
#include "text/file_system.h"

namespace hotlist {

// File-system queries through the ANSI entry points, so paths are code page 936 texts.
class Win32FileSystem final : public FileSystem {
  public:
    bool findFirstFile(const Text& pattern) override;
    Text executablePath() override;
    [[nodiscard]] char pathSeparator() const override { return '\\'; }
    // GetSystemDirectoryA.
    void getSystemDirectory(char* buffer, int capacity) override {
        systemDirectoryA(buffer, capacity);
    }
};

}  // namespace hotlist
