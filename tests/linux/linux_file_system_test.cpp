#include "text/linux_file_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "temporary_directory.h"

namespace hotlist {
namespace {

namespace fs = std::filesystem;

// A fresh directory under the system's temporary directory, removed with its contents.
class Sandbox : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(root_.empty());
        std::ofstream(root_ / "page.html") << "x";
        fs::create_directory(root_ / "skins");
        std::ofstream(root_ / "skins" / "blue.she") << "x";
    }

    [[nodiscard]] Text path(const std::string& relative) const {
        return Text((root_ / relative).string());
    }

    const TemporaryDirectory directory_{"hotlist-fs-"};
    const fs::path root_ = directory_.path();
    LinuxFileSystem files_;
};

TEST_F(Sandbox, FindsFilesDirectoriesAndPatterns) {
    struct Case {
        std::string relative;
        bool expected;
    };
    const Case cases[] = {
        {"page.html", true},      {"skins", true},        {"skins/", true},
        {"skins/blue.she", true}, {"*.html", true},       {"skins/*.she", true},
        {"pag?.html", true},      {"[op]age.html", true}, {"*.dll", false},
        {"missing.html", false},  {"page.html/", false},  {"missing/page.html", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.relative);
        EXPECT_EQ(files_.findFirstFile(path(c.relative)), c.expected);
        EXPECT_EQ(fileExists(files_, path(c.relative)), c.expected);
    }
}

TEST_F(Sandbox, EmptyPathFindsNothing) {
    EXPECT_FALSE(files_.findFirstFile(""));
    EXPECT_FALSE(fileExists(files_, ""));
}

TEST_F(Sandbox, FindsNamesWithCodePage936Bytes) {
    const std::string name = "\xb2\xc9\xbc\xaf";
    std::ofstream(root_ / name) << "x";
    EXPECT_TRUE(fileExists(files_, path(name)));
    EXPECT_FALSE(fileExists(files_, path(name + "x")));
}

TEST(LinuxFileSystem, ExecutablePathNamesThisTestBinary) {
    LinuxFileSystem files;
    const Text executable = files.executablePath();
    EXPECT_EQ(fs::path(std::string(executable.view())), fs::canonical("/proc/self/exe"));
    EXPECT_EQ(files.pathSeparator(), '/');
}

TEST(LinuxFileSystem, RunDirectoryIsTheBinarysDirectoryWithoutASlash) {
    LinuxFileSystem files;
    const Text directory = runDirectory(files);
    EXPECT_EQ(fs::path(std::string(directory.view())),
              fs::canonical("/proc/self/exe").parent_path());
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.view().back(), '/');
}

}  // namespace
}  // namespace hotlist
