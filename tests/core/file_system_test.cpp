#include "text/file_system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hotlist {
namespace {

class FakeFileSystem final : public FileSystem {
  public:
    FakeFileSystem(Text executable, char separator)
        : executable_(std::move(executable)), separator_(separator) {}

    bool findFirstFile(const Text& pattern) override {
        lookedUp.emplace_back(pattern.view());
        return pattern.view() == "present";
    }
    Text executablePath() override { return executable_; }
    [[nodiscard]] char pathSeparator() const override { return separator_; }

    std::vector<std::string> lookedUp;

  private:
    Text executable_;
    char separator_;
};

TEST(FileExists, AsksThePlatformExceptForTheEmptyPath) {
    FakeFileSystem files("", '\\');
    EXPECT_TRUE(fileExists(files, "present"));
    EXPECT_FALSE(fileExists(files, "absent"));
    EXPECT_FALSE(fileExists(files, ""));
    EXPECT_EQ(files.lookedUp, (std::vector<std::string>{"present", "absent"}));
}

TEST(RunDirectory, CutsAtTheLastSeparator) {
    struct Case {
        const char* executable;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\tools\\hotlist.exe", '\\', "C:\\tools"},
        {"C:\\hotlist.exe", '\\', "C:"},
        {"hotlist.exe", '\\', ""},
        {"", '\\', ""},
        {"/opt/hot list/bin/hotlist", '/', "/opt/hot list/bin"},
        {"/hotlist", '/', ""},
        {"C:\\\xb2\xc9\\a.exe", '\\', "C:\\\xb2\xc9"},
        {"C:\\d\x81\\\\a.exe", '\\', "C:\\d\x81\\"},
        {"C:\\d\x81\\a.exe", '\\', "C:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.executable);
        FakeFileSystem files(c.executable, c.separator);
        EXPECT_EQ(runDirectory(files).view(), c.expected);
    }
}

}  // namespace
}  // namespace hotlist
