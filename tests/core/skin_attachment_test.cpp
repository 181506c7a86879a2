#include "skin/skin_attachment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "exit_status.h"
#include "skin/embedded_skin.h"
#include "skin/stack_fault.h"
#include "skin_texts.h"

namespace hotlist {
namespace {

// A file system of named entries; the system directory is reported only when set.
class FakeFileSystem final : public FileSystem {
  public:
    std::set<std::string> entries;
    std::string executable = "C:\\Tools\\hotlist.exe";
    std::optional<std::string> systemDirectory = "C:\\WINDOWS\\system32";
    char separator = '\\';
    std::string bufferSeen;
    int capacitySeen = 0;

    bool findFirstFile(const Text& pattern) override {
        return entries.contains(std::string(pattern.view()));
    }
    Text executablePath() override { return Text(executable); }
    [[nodiscard]] char pathSeparator() const override { return separator; }
    void getSystemDirectory(char* buffer, int capacity) override {
        bufferSeen.assign(buffer, static_cast<std::size_t>(capacity) + 1);
        capacitySeen = capacity;
        if (systemDirectory && static_cast<int>(systemDirectory->size()) < capacity) {
            systemDirectory->copy(buffer, systemDirectory->size());
            buffer[systemDirectory->size()] = '\0';
        }
    }
};

struct AttachCall {
    const std::uint8_t* data;
    std::int32_t length;
    std::optional<std::string> password;
    std::int32_t a, b, c;
};

enum class Library { loads, notALibrary, withoutExport };

struct LoaderLog {
    std::vector<std::string> loads;
    int unloads = 0;
    std::vector<AttachCall> calls;
};

class FakeLibrary final : public LoadedSkinLibrary {
  public:
    FakeLibrary(LoaderLog& log, bool hasExport, std::int32_t result)
        : log_(log), hasExport_(hasExport), result_(result) {}
    ~FakeLibrary() override { ++log_.unloads; }
    FakeLibrary(const FakeLibrary&) = delete;
    FakeLibrary& operator=(const FakeLibrary&) = delete;

    bool hasAttachExport() override { return hasExport_; }
    std::int32_t attachRes(const std::uint8_t* data, std::int32_t length, const char* password,
                           std::int32_t a, std::int32_t b, std::int32_t c) override {
        std::optional<std::string> passwordText;
        if (password != nullptr) {
            passwordText = password;
        }
        log_.calls.push_back({data, length, passwordText, a, b, c});
        return result_;
    }

  private:
    LoaderLog& log_;
    bool hasExport_;
    std::int32_t result_;
};

// Resolves relative paths against C:\Tools and loads whatever `libraries` describes.
class FakeLoader final : public SkinLibraryLoader {
  public:
    LoaderLog log;
    std::map<std::string, Library> libraries;
    std::int32_t attachResult = 0;
    std::string fileName = "SkinH_EL.dll";

    [[nodiscard]] Text skinLibraryFileName() const override { return Text(fileName); }
    Text fullPath(const Text& path) override {
        std::string full(path.view());
        if (full.size() < 2 || (full[1] != ':' && full[0] != '/')) {
            full = "C:\\Tools\\" + full;
        }
        return full.size() > 260 ? Text() : Text(full);
    }
    std::unique_ptr<LoadedSkinLibrary> load(const Text& fullPath) override {
        log.loads.emplace_back(fullPath.view());
        const auto found = libraries.find(std::string(fullPath.view()));
        const Library kind = found == libraries.end() ? Library::notALibrary : found->second;
        if (kind == Library::notALibrary) {
            return nullptr;
        }
        return std::make_unique<FakeLibrary>(log, kind == Library::loads, attachResult);
    }
};

const std::string kBeside = "C:\\Tools\\SkinH_EL.dll";
const std::string kSystem = "C:\\WINDOWS\\system32\\SkinH_EL.dll";

struct LocateCase {
    const char* name;
    std::set<std::string> entries;
    std::optional<std::string> systemDirectory;
    std::string givenPath;
    std::string expected;
};

TEST(SkinLocation, PicksTheGivenPathThenTheSystemDirectoryThenTheProgramDirectory) {
    const std::vector<LocateCase> cases = {
        {"beside the program only", {kBeside}, "C:\\WINDOWS\\system32", "", kBeside},
        {"system directory only", {kSystem}, "C:\\WINDOWS\\system32", "", kSystem},
        {"both: the system copy wins", {kBeside, kSystem}, "C:\\WINDOWS\\system32", "", kSystem},
        {"nowhere", {}, "C:\\WINDOWS\\system32", "", ""},
        {"existing given path with spaces is trimmed and wins",
         {"D:\\skins\\my.dll", kBeside, kSystem},
         "C:\\WINDOWS\\system32",
         "  D:\\skins\\my.dll  ",
         "D:\\skins\\my.dll"},
        {"missing given path is kept trimmed when nothing is found",
         {},
         "C:\\WINDOWS\\system32",
         " D:\\gone.dll ",
         "D:\\gone.dll"},
        {"missing given path gives way to a found copy",
         {kBeside},
         "C:\\WINDOWS\\system32",
         "D:\\gone.dll",
         kBeside},
        {"drive root gets no second separator",
         {"C:\\SkinH_EL.dll"},
         "C:\\",
         "",
         "C:\\SkinH_EL.dll"},
        {"unreported system directory finds nothing there", {kBeside}, std::nullopt, "", kBeside},
    };
    for (const LocateCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        files.entries = c.entries;
        files.systemDirectory = c.systemDirectory;
        FakeLoader loader;
        SkinAttachment skin(files, loader, embeddedSkin());
        skin.locateSkinLibrary(Text(c.givenPath));
        EXPECT_EQ(skin.skinLibraryPath().view(), c.expected);
        EXPECT_TRUE(loader.log.loads.empty()) << "locating loads nothing";
    }
}

TEST(SkinLocation, UsesThePlatformSeparatorAndFileName) {
    FakeFileSystem files;
    files.separator = '/';
    files.executable = "/opt/hotlist/hotlist";
    files.systemDirectory = "/usr/local/lib";
    files.entries = {"/opt/hotlist/libSkinH_EL.so"};
    FakeLoader loader;
    loader.fileName = "libSkinH_EL.so";
    SkinAttachment skin(files, loader, embeddedSkin());

    skin.locateSkinLibrary(Text());
    EXPECT_EQ(skin.skinLibraryPath().view(), "/opt/hotlist/libSkinH_EL.so");

    files.entries.insert("/usr/local/lib/libSkinH_EL.so");
    skin.locateSkinLibrary(Text());
    EXPECT_EQ(skin.skinLibraryPath().view(), "/usr/local/lib/libSkinH_EL.so");
}

TEST(SkinLocation, SystemDirectoryEndsInOneSeparator) {
    struct Case {
        std::optional<std::string> reported;
        std::string expected;
    };
    const std::string blanks(255, ' ');
    const std::vector<Case> cases = {
        {"C:\\WINDOWS\\system32", "C:\\WINDOWS\\system32\\"},
        {"C:\\", "C:\\"},
        {std::nullopt, blanks + "\\"},
        {std::string(300, 'x'), blanks + "\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.substr(0, 24));
        FakeFileSystem files;
        files.systemDirectory = c.reported;
        FakeLoader loader;
        SkinAttachment skin(files, loader, Bytes());
        EXPECT_EQ(skin.systemDirectoryWithSlash().view(), c.expected);
        EXPECT_EQ(files.capacitySeen, 255);
        EXPECT_EQ(files.bufferSeen, blanks + '\0') << "the platform gets 255 spaces and a NUL";
    }
}

struct AttachCase {
    const char* name;
    std::set<std::string> entries;
    std::map<std::string, Library> libraries;
    std::int32_t attachResult;
    bool expected;
    int loads;
    int unloadsRightAway;
    int calls;
    int unloadsAtEnd;
};

TEST(SkinAttachment, AppliesTheSkinOnlyThroughALoadableLibraryWithTheExport) {
    const std::vector<AttachCase> cases = {
        {"accepted", {kBeside}, {{kBeside, Library::loads}}, 0, true, 1, 0, 1, 1},
        {"refused with a non-zero result",
         {kBeside},
         {{kBeside, Library::loads}},
         3,
         false,
         1,
         0,
         1,
         1},
        {"no library anywhere", {}, {}, 0, false, 0, 0, 0, 0},
        {"a directory named like the library", {kBeside}, {}, 0, false, 1, 0, 0, 0},
        {"a file that is not a library",
         {kSystem},
         {{kSystem, Library::notALibrary}},
         0,
         false,
         1,
         0,
         0,
         0},
        {"a library without the export",
         {kBeside},
         {{kBeside, Library::withoutExport}},
         0,
         false,
         1,
         1,
         0,
         1},
    };
    for (const AttachCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeFileSystem files;
        files.entries = c.entries;
        FakeLoader loader;
        loader.libraries = c.libraries;
        loader.attachResult = c.attachResult;
        {
            SkinAttachment skin(files, loader, embeddedSkin());
            skin.locateSkinLibrary(Text());
            EXPECT_EQ(skin.attachEmbeddedSkin(), c.expected);
            EXPECT_EQ(static_cast<int>(loader.log.loads.size()), c.loads);
            EXPECT_EQ(loader.log.unloads, c.unloadsRightAway);
            EXPECT_EQ(static_cast<int>(loader.log.calls.size()), c.calls);
        }
        EXPECT_EQ(loader.log.unloads, c.unloadsAtEnd) << "whatever was loaded goes exactly once";
    }
}

TEST(SkinAttachment, HandsOverTheEmbeddedSkinWithNullPasswordAndZeros) {
    FakeFileSystem files;
    files.entries = {kBeside};
    FakeLoader loader;
    loader.libraries = {{kBeside, Library::loads}};
    const Bytes skinBytes = embeddedSkin();
    SkinAttachment skin(files, loader, skinBytes);
    skin.locateSkinLibrary(Text());

    ASSERT_TRUE(skin.attachEmbeddedSkin());
    ASSERT_EQ(loader.log.calls.size(), 1U);
    const AttachCall& call = loader.log.calls[0];
    EXPECT_EQ(call.length, 6101);
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(call.data), 4), ".SHE");
    EXPECT_EQ(std::string_view(reinterpret_cast<const char*>(call.data), 6101), skinBytes.view());
    EXPECT_FALSE(call.password.has_value());
    EXPECT_EQ(call.a, 0);
    EXPECT_EQ(call.b, 0);
    EXPECT_EQ(call.c, 0);

    const Bytes other(std::string_view("abc"));
    EXPECT_TRUE(skin.attachEmbeddedSkin(other, Text("secret"), 7, -8, 9));
    const AttachCall& second = loader.log.calls.at(1);
    EXPECT_EQ(second.length, 3);
    EXPECT_EQ(second.password, "secret");
    EXPECT_EQ(second.a, 7);
    EXPECT_EQ(second.b, -8);
    EXPECT_EQ(second.c, 9);
}

TEST(SkinAttachment, ResolvesARelativePathFromTheCurrentDirectory) {
    FakeFileSystem files;
    files.entries = {"skins\\SkinH_EL.dll"};
    FakeLoader loader;
    loader.libraries = {{"C:\\Tools\\skins\\SkinH_EL.dll", Library::loads}};
    SkinAttachment skin(files, loader, embeddedSkin());
    skin.locateSkinLibrary(Text(" skins\\SkinH_EL.dll"));

    EXPECT_TRUE(skin.attachEmbeddedSkin());
    EXPECT_EQ(loader.log.loads, std::vector<std::string>{"C:\\Tools\\skins\\SkinH_EL.dll"});
}

TEST(SkinAttachment, PathBeyondThePlatformLimitLoadsNothing) {
    const std::string longPath = "D:\\" + std::string(270, 'd') + "\\SkinH_EL.dll";
    FakeFileSystem files;
    files.entries = {longPath};
    FakeLoader loader;
    loader.libraries = {{longPath, Library::loads}};
    SkinAttachment skin(files, loader, embeddedSkin());
    skin.locateSkinLibrary(Text(longPath));

    EXPECT_FALSE(skin.attachEmbeddedSkin());
    EXPECT_TRUE(loader.log.loads.empty());
}

TEST(SkinAttachment, ReusesALoadedLibraryWhateverTheLetterCase) {
    const std::string lower = "D:\\skins\\SkinH_EL.dll";
    const std::string upper = "D:\\SKINS\\SKINH_EL.DLL";
    const std::string other = "D:\\other\\SkinH_EL.dll";
    FakeFileSystem files;
    files.entries = {lower, upper, other};
    FakeLoader loader;
    loader.libraries = {{lower, Library::loads}, {other, Library::loads}};
    SkinAttachment skin(files, loader, embeddedSkin());

    skin.locateSkinLibrary(Text(lower));
    EXPECT_TRUE(skin.attachEmbeddedSkin());
    EXPECT_TRUE(skin.attachEmbeddedSkin());
    skin.locateSkinLibrary(Text(upper));
    EXPECT_TRUE(skin.attachEmbeddedSkin()) << "the loaded library serves the other spelling";
    EXPECT_EQ(loader.log.loads.size(), 1U);

    skin.locateSkinLibrary(Text(other));
    EXPECT_TRUE(skin.attachEmbeddedSkin());
    EXPECT_EQ(loader.log.loads.size(), 2U);
    EXPECT_EQ(loader.log.calls.size(), 4U);
    EXPECT_EQ(loader.log.unloads, 0);
}

TEST(SkinAttachment, LibraryWithoutTheExportIsLoadedAfreshEachTime) {
    FakeFileSystem files;
    files.entries = {kBeside};
    FakeLoader loader;
    loader.libraries = {{kBeside, Library::withoutExport}};
    SkinAttachment skin(files, loader, embeddedSkin());
    skin.locateSkinLibrary(Text());

    EXPECT_FALSE(skin.attachEmbeddedSkin());
    EXPECT_FALSE(skin.attachEmbeddedSkin());
    EXPECT_EQ(loader.log.loads.size(), 2U);
    EXPECT_EQ(loader.log.unloads, 2);
}

TEST(SkinAttachment, ExitReleasesThePathAndTheLibraryGoesExactlyOnceAtTheEnd) {
    FakeFileSystem files;
    files.entries = {kBeside};
    FakeLoader loader;
    loader.libraries = {{kBeside, Library::loads}};
    {
        SkinAttachment skin(files, loader, embeddedSkin());
        skin.locateSkinLibrary(Text());
        ASSERT_TRUE(skin.attachEmbeddedSkin());

        skin.releaseSkinLibraryPath();
        EXPECT_TRUE(skin.skinLibraryPath().empty());
        EXPECT_EQ(loader.log.unloads, 0) << "the library outlives the exit step";
        EXPECT_FALSE(skin.attachEmbeddedSkin()) << "no path, no skin";
    }
    EXPECT_EQ(loader.log.loads.size(), 1U);
    EXPECT_EQ(loader.log.unloads, 1);
}

TEST(SkinStackFaultDeathTest, AnUnbalancedLibraryCallStopsWithCodeSix) {
    EXPECT_EXIT(stopOnUnbalancedStack(), exitedWithMinusOne,
                testing::AllOf(testing::HasSubstr(skin_texts::unbalancedStack),
                               testing::HasSubstr("6\r\n")));
}

}  // namespace
}  // namespace hotlist
