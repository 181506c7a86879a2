#pragma once

#include <memory>

#include "skin/library_loader.h"

namespace hotlist {

// Loads libSkinH_EL.so with dlopen and calls its SkinH_AttachRes.
class LinuxSkinLibraryLoader final : public SkinLibraryLoader {
  public:
    [[nodiscard]] Text skinLibraryFileName() const override { return "libSkinH_EL.so"; }
    // Absolute and lexically normal; empty for the empty path or 260 characters and more.
    Text fullPath(const Text& path) override;
    std::unique_ptr<LoadedSkinLibrary> load(const Text& fullPath) override;
};

}  // namespace hotlist
