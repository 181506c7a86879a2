#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "skin/library_loader.h"
#include "skin/skin_hooks.h"
#include "text/file_system.h"
#include "text/text.h"

namespace hotlist {

// Finds the skin library at start-up and applies a skin through it once the window exists.
// Libraries it loads stay loaded until it is destroyed, which belongs after the last window.
class SkinAttachment final : public SkinHooks {
  public:
    SkinAttachment(FileSystem& files, SkinLibraryLoader& loader, Bytes embeddedSkin);
    ~SkinAttachment() override;
    SkinAttachment(const SkinAttachment&) = delete;
    SkinAttachment& operator=(const SkinAttachment&) = delete;

    // Sets skinLibraryPath from `path`, beside the program or in the system directory.
    void locateSkinLibrary(const Text& path) override;
    // Applies the embedded skin with the empty password; true when the library accepts it.
    bool attachEmbeddedSkin() override;
    // Applies `skin` through the library at skinLibraryPath; true when it returns 0.
    bool attachEmbeddedSkin(const Bytes& skin, const Text& password, std::int32_t a = 0,
                            std::int32_t b = 0, std::int32_t c = 0);
    // Empties skinLibraryPath; loaded libraries stay until destruction.
    void releaseSkinLibraryPath() override;

    // The platform's system directory, always ending in the path separator.
    Text systemDirectoryWithSlash();
    [[nodiscard]] const Text& skinLibraryPath() const { return skinLibraryPath_; }

  private:
    struct LoadedLibrary {
        Text fullPath;
        std::unique_ptr<LoadedSkinLibrary> library;
    };

    LoadedSkinLibrary* findLoaded(const Text& fullPath);

    FileSystem& files_;
    SkinLibraryLoader& loader_;
    Bytes embeddedSkin_;
    Text skinLibraryPath_;
    std::vector<LoadedLibrary> loaded_;
};

}  // namespace hotlist
