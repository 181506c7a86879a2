#include "text/file_system.h"

#include <string_view>

namespace hotlist {

bool fileExists(FileSystem& files, const Text& path) {
    return !path.empty() && files.findFirstFile(path);
}

// Up to, not including, the last separator, so "C:\hotlist.exe" gives "C:".
Text runDirectory(FileSystem& files) {
    const Text path = files.executablePath();
    const std::size_t last = path.view().rfind(files.pathSeparator());
    return last == std::string_view::npos ? Text() : Text(path.view().substr(0, last));
}

}  // namespace hotlist
