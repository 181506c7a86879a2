#include "base/win32_file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace hotlist {
namespace {

// A fresh directory under the temporary folder holding one file, removed afterwards.
class Win32Files : public testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathA(sizeof temp, temp), 0U);
        directory_ = std::string(temp) + "hotlist-files-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(directory_.c_str(), nullptr));
        file_ = directory_ + "\\skin.dll";
        const HANDLE created = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(created, INVALID_HANDLE_VALUE);
        CloseHandle(created);
    }
    void TearDown() override {
        DeleteFileA(file_.c_str());
        RemoveDirectoryA(directory_.c_str());
    }

    Win32FileSystem files_;
    std::string directory_;
    std::string file_;
};

TEST_F(Win32Files, FindFirstFileSeesFilesDirectoriesAndPatterns) {
    struct Case {
        std::string path;
        bool found;
    };
    const Case cases[] = {
        {file_, true},
        {directory_, true},
        {directory_ + "\\*.dll", true},
        {directory_ + "\\sk?n.dll", true},
        {directory_ + "\\*.exe", false},
        {directory_ + "\\missing.dll", false},
        {directory_ + "\\missing\\skin.dll", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(files_.findFirstFile(Text(c.path)), c.found) << c.path;
        EXPECT_EQ(fileExists(files_, Text(c.path)), c.found) << c.path;
    }
}

TEST_F(Win32Files, ExecutablePathNamesThisProgramAndItsDirectory) {
    const Text path = files_.executablePath();
    ASSERT_GT(path.length(), 4);
    EXPECT_EQ(std::string(path.view().substr(path.view().size() - 4)), ".exe");
    EXPECT_TRUE(files_.findFirstFile(path));
    EXPECT_EQ(files_.pathSeparator(), '\\');

    const Text directory = runDirectory(files_);
    EXPECT_EQ(std::string(path.view()).rfind('\\'), directory.view().size());
    EXPECT_TRUE(path.view().starts_with(directory.view()));
    EXPECT_TRUE(fileExists(files_, directory));
}

}  // namespace
}  // namespace hotlist
