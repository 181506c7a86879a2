#include "text/file_system.h"

namespace hotlist {

bool fileExists(FileSystem& files, const Text& path) {
    return !path.empty() && files.findFirstFile(path);
}

// Up to, not including, the last separator, so "C:\hotlist.exe" gives "C:". The search
// walks by characters: a second byte equal to the separator inside a double-byte character
// of a directory name is not a separator.
Text runDirectory(FileSystem& files) {
    const Text path = files.executablePath();
    const int last = findTextReverse(path, charFromCode(files.pathSeparator()));
    return last < 1 ? Text() : textLeft(path, last - 1);
}

}  // namespace hotlist
