#pragma once

#include <cstdint>
#include <memory>

#include "text/text.h"

namespace hotlist {

// One skin library loaded by the platform; destroying it unloads the library.
class LoadedSkinLibrary {
  public:
    virtual ~LoadedSkinLibrary() = default;
    // True when the library exports SkinH_AttachRes.
    virtual bool hasAttachExport() = 0;
    // Calls SkinH_AttachRes(data, length, password or null, a, b, c); 0 means accepted.
    virtual std::int32_t attachRes(const std::uint8_t* data, std::int32_t length,
                                   const char* password, std::int32_t a, std::int32_t b,
                                   std::int32_t c) = 0;
};

// How the platform finds, names and loads the skin library.
class SkinLibraryLoader {
  public:
    virtual ~SkinLibraryLoader() = default;
    // The library's file name on this platform, without a directory.
    [[nodiscard]] virtual Text skinLibraryFileName() const = 0;
    // The full path of `path`, a relative one taken from the current directory; empty
    // when it cannot be resolved or would exceed the platform's 260-character limit.
    virtual Text fullPath(const Text& path) = 0;
    // Loads the library at the full path; null when it cannot be loaded.
    virtual std::unique_ptr<LoadedSkinLibrary> load(const Text& fullPath) = 0;
};

}  // namespace hotlist
