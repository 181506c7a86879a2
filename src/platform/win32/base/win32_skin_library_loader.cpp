#include "base/win32_skin_library_loader.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <type_traits>

#include "base/stdcall_check.h"
#include "skin/skin_library.h"

namespace hotlist {
namespace {

using AttachRes = std::int32_t(__stdcall*)(const std::uint8_t*, std::int32_t, const char*,
                                           std::int32_t, std::int32_t, std::int32_t);

struct LibraryFreer {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

class Win32SkinLibrary final : public LoadedSkinLibrary {
  public:
    explicit Win32SkinLibrary(UniqueModule module)
        : module_(std::move(module)), export_(GetProcAddress(module_.get(), kSkinAttachExport)) {}

    bool hasAttachExport() override { return export_ != nullptr; }
    std::int32_t attachRes(const std::uint8_t* data, std::int32_t length, const char* password,
                           std::int32_t a, std::int32_t b, std::int32_t c) override;

  private:
    UniqueModule module_;
    FARPROC export_;
};

// On i686 a library built with the wrong convention would leave the stack unbalanced;
// the checked call turns that into the fatal stop instead of a corrupted caller.
std::int32_t Win32SkinLibrary::attachRes(const std::uint8_t* data, std::int32_t length,
                                         const char* password, std::int32_t a, std::int32_t b,
                                         std::int32_t c) {
#if defined(__i386__)
    const std::uint32_t arguments[] = {
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(data)),
        static_cast<std::uint32_t>(length),
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(password)),
        static_cast<std::uint32_t>(a),
        static_cast<std::uint32_t>(b),
        static_cast<std::uint32_t>(c)};
    return static_cast<std::int32_t>(
        callStdcallChecked(reinterpret_cast<const void*>(export_), arguments, 6));
#else
    const auto attach = reinterpret_cast<AttachRes>(reinterpret_cast<void (*)()>(export_));
    return attach(data, length, password, a, b, c);
#endif
}

}  // namespace

Text Win32SkinLibraryLoader::fullPath(const Text& path) {
    if (path.empty()) {
        return {};
    }
    std::string buffer(MAX_PATH, '\0');
    const DWORD written =
        GetFullPathNameA(path.cStr(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (written == 0 || written >= buffer.size()) {
        return {};
    }
    buffer.resize(written);
    return Text(buffer);
}

std::unique_ptr<LoadedSkinLibrary> Win32SkinLibraryLoader::load(const Text& fullPath) {
    UniqueModule module(LoadLibraryA(fullPath.cStr()));
    if (module == nullptr) {
        return nullptr;
    }
    return std::make_unique<Win32SkinLibrary>(std::move(module));
}

}  // namespace hotlist
