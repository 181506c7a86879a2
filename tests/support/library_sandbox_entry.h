#pragma once

#include <filesystem>
#include <fstream>

namespace hotlist {

// What a skin-library test puts at the path where the program looks for the library.
enum class SandboxEntry { skinLibrary, libraryWithoutExport, textFile, directory, nothing };

// Places the entry at `path`; the two libraries are copied from the given build outputs.
inline void placeSandboxEntry(SandboxEntry entry, const std::filesystem::path& path,
                              const std::filesystem::path& skinLibrary,
                              const std::filesystem::path& libraryWithoutExport) {
    switch (entry) {
        case SandboxEntry::skinLibrary:
            std::filesystem::copy_file(skinLibrary, path);
            break;
        case SandboxEntry::libraryWithoutExport:
            std::filesystem::copy_file(libraryWithoutExport, path);
            break;
        case SandboxEntry::textFile:
            std::ofstream(path) << "not a library\n";
            break;
        case SandboxEntry::directory:
            std::filesystem::create_directory(path);
            break;
        case SandboxEntry::nothing:
            break;
    }
}

}  // namespace hotlist
