#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace hotlist {

// A fresh, empty directory under the system's temporary directory, removed with everything in
// it when the owner goes. A random part in the name keeps test processes that run at the same
// time apart; path() is empty when no directory could be made.
class TemporaryDirectory {
  public:
    explicit TemporaryDirectory(const std::string& prefix) {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path parent = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; attempt < 100 && !error && path_.empty(); ++attempt) {
            const std::filesystem::path candidate = parent / (prefix + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate;
            }
        }
    }
    ~TemporaryDirectory() {
        if (!path_.empty()) {
            std::error_code error;
            std::filesystem::remove_all(path_, error);
        }
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace hotlist
