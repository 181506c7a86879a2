#include "text/linux_file_system.h"

#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <span>
#include <string>

namespace hotlist {
namespace {

// Frees the match list of one glob(3) call.
class GlobResult {
  public:
    GlobResult() = default;
    ~GlobResult() { globfree(&matches_); }
    GlobResult(const GlobResult&) = delete;
    GlobResult& operator=(const GlobResult&) = delete;

    glob_t* get() { return &matches_; }
    [[nodiscard]] std::span<char* const> paths() const {
        return {matches_.gl_pathv, matches_.gl_pathc};
    }

  private:
    glob_t matches_{};
};

bool isDirectory(const char* path) {
    struct stat status {};
    return stat(path, &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

// Unreadable directories on the way are skipped, as a find-first-file lookup skips them;
// the matches are left unsorted since only their presence counts. glob(3) may let a file
// match a pattern that ends in a slash, which names directories only, so those matches are
// checked.
bool LinuxFileSystem::findFirstFile(const Text& pattern) {
    if (pattern.empty()) {
        return false;
    }
    GlobResult result;
    if (glob(pattern.cStr(), GLOB_NOSORT, nullptr, result.get()) != 0) {
        return false;
    }
    if (pattern.view().back() != '/') {
        return !result.paths().empty();
    }
    for (const char* path : result.paths()) {
        if (isDirectory(path)) {
            return true;
        }
    }
    return false;
}

// readlink(2) truncates silently, so the buffer grows until the target fits with room left.
Text LinuxFileSystem::executablePath() {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t written = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (written < 0) {
            return {};
        }
        if (static_cast<std::size_t>(written) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(written));
            return Text(std::move(buffer));
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace hotlist
