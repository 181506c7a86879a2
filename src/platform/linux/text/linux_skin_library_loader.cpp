#include "text/linux_skin_library_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "skin/skin_library.h"

namespace hotlist {
namespace {

// The longest full path the loader resolves, as on the platform the program comes from.
inline constexpr std::size_t kMaxFullPath = 259;

using AttachRes = std::int32_t (*)(const std::uint8_t*, std::int32_t, const char*, std::int32_t,
                                   std::int32_t, std::int32_t);

struct DlClose {
    void operator()(void* handle) const { dlclose(handle); }
};
using LibraryHandle = std::unique_ptr<void, DlClose>;

class DlopenedSkinLibrary final : public LoadedSkinLibrary {
  public:
    explicit DlopenedSkinLibrary(LibraryHandle handle)
        : handle_(std::move(handle)),
          attachRes_(reinterpret_cast<AttachRes>(dlsym(handle_.get(), kSkinAttachExport))) {}

    bool hasAttachExport() override { return attachRes_ != nullptr; }
    std::int32_t attachRes(const std::uint8_t* data, std::int32_t length, const char* password,
                           std::int32_t a, std::int32_t b, std::int32_t c) override {
        return attachRes_(data, length, password, a, b, c);
    }

  private:
    LibraryHandle handle_;
    AttachRes attachRes_;
};

}  // namespace

Text LinuxSkinLibraryLoader::fullPath(const Text& path) {
    if (path.empty()) {
        return {};
    }
    std::filesystem::path full(std::string(path.view()));
    if (full.is_relative()) {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        if (error) {
            return {};
        }
        full = current / full;
    }
    const std::string normal = full.lexically_normal().string();
    return normal.size() > kMaxFullPath ? Text() : Text(normal);
}

// RTLD_LOCAL keeps the library's symbols out of the program's namespace; RTLD_NOW makes a
// library with unresolved symbols fail here rather than in the middle of the call.
std::unique_ptr<LoadedSkinLibrary> LinuxSkinLibraryLoader::load(const Text& fullPath) {
    LibraryHandle handle(dlopen(fullPath.cStr(), RTLD_NOW | RTLD_LOCAL));
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<DlopenedSkinLibrary>(std::move(handle));
}

}  // namespace hotlist
