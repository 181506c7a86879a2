#pragma once

#include <memory>

#include "skin/library_loader.h"

namespace hotlist {

// Loads SkinH_EL.dll with LoadLibraryA and calls its __stdcall SkinH_AttachRes.
class Win32SkinLibraryLoader final : public SkinLibraryLoader {
  public:
    [[nodiscard]] Text skinLibraryFileName() const override { return "SkinH_EL.dll"; }
    // GetFullPathNameA into MAX_PATH bytes; empty when it fails or does not fit.
    Text fullPath(const Text& path) override;
    std::unique_ptr<LoadedSkinLibrary> load(const Text& fullPath) override;
};

}  // namespace hotlist
