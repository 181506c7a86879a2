#include "skin/skin_attachment.h"

#include <string>
#include <utility>

namespace hotlist {
namespace {

inline constexpr int kSystemDirectoryCapacity = 255;

bool samePathIgnoringCase(const Text& a, const Text& b) {
    return compareText(toUpperCase(a), toUpperCase(b)) == 0;
}

}  // namespace

SkinAttachment::SkinAttachment(FileSystem& files, SkinLibraryLoader& loader, Bytes embeddedSkin)
    : files_(files), loader_(loader), embeddedSkin_(std::move(embeddedSkin)) {}

// Unloads in reverse order of loading, as the process end would.
SkinAttachment::~SkinAttachment() {
    while (!loaded_.empty()) {
        loaded_.pop_back();
    }
}

// A given path that names an existing entry wins. Otherwise the copy beside the program
// is taken, and a copy in the system directory overrides it; with neither, the trimmed
// path stays.
void SkinAttachment::locateSkinLibrary(const Text& path) {
    skinLibraryPath_ = trimSpaces(path);
    if (fileExists(files_, skinLibraryPath_)) {
        return;
    }
    const Text fileName = loader_.skinLibraryFileName();
    const Text besideProgram =
        concatText(runDirectory(files_), charFromCode(files_.pathSeparator()), fileName);
    if (fileExists(files_, besideProgram)) {
        skinLibraryPath_ = besideProgram;
    }
    const Text inSystemDirectory = concatText(systemDirectoryWithSlash(), fileName);
    if (fileExists(files_, inSystemDirectory)) {
        skinLibraryPath_ = inSystemDirectory;
    }
}

// The platform writes the directory and its NUL into a buffer of spaces; a platform that
// cannot report it leaves the spaces, which then name no directory.
Text SkinAttachment::systemDirectoryWithSlash() {
    std::string buffer(blankText(kSystemDirectoryCapacity).view());
    files_.getSystemDirectory(buffer.data(), kSystemDirectoryCapacity);
    const Text directory(buffer.c_str());
    const Text separator = charFromCode(files_.pathSeparator());
    if (compareText(textRight(directory, 1), separator) != 0) {
        return concatText(directory, separator);
    }
    return directory;
}

bool SkinAttachment::attachEmbeddedSkin() {
    return attachEmbeddedSkin(embeddedSkin_, Text());
}

// A library stays loaded once it has shown the export, whatever the skin's fate, and
// serves every later call for the same full path.
bool SkinAttachment::attachEmbeddedSkin(const Bytes& skin, const Text& password, std::int32_t a,
                                        std::int32_t b, std::int32_t c) {
    if (!fileExists(files_, skinLibraryPath_)) {
        return false;
    }
    const Text fullPath = loader_.fullPath(skinLibraryPath_);
    if (fullPath.empty()) {
        return false;
    }
    LoadedSkinLibrary* library = findLoaded(fullPath);
    if (library == nullptr) {
        std::unique_ptr<LoadedSkinLibrary> fresh = loader_.load(fullPath);
        if (fresh == nullptr || !fresh->hasAttachExport()) {
            return false;
        }
        library = fresh.get();
        loaded_.push_back({fullPath, std::move(fresh)});
    }
    const char* passwordPointer = password.empty() ? nullptr : password.cStr();
    return library->attachRes(skin.data(), bytesLength(skin), passwordPointer, a, b, c) == 0;
}

void SkinAttachment::releaseSkinLibraryPath() {
    skinLibraryPath_ = Text();
}

LoadedSkinLibrary* SkinAttachment::findLoaded(const Text& fullPath) {
    for (const LoadedLibrary& entry : loaded_) {
        if (samePathIgnoringCase(entry.fullPath, fullPath)) {
            return entry.library.get();
        }
    }
    return nullptr;
}

}  // namespace hotlist
