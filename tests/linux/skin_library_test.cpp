#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QStyle>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "library_sandbox_entry.h"
#include "skin/embedded_skin.h"
#include "skin/skin_attachment.h"
#include "temporary_directory.h"
#include "text/linux_skin_library_loader.h"
#include "text/linux_system_directory.h"

namespace hotlist {
namespace {

namespace fs = std::filesystem;

// The real file system, with the system directory of our choosing so that tests never
// depend on what is installed on the machine.
class SandboxFileSystem final : public FileSystem {
  public:
    explicit SandboxFileSystem(std::string systemDirectory)
        : systemDirectory_(std::move(systemDirectory)) {}
    bool findFirstFile(const Text& pattern) override {
        std::error_code error;
        return fs::exists(fs::path(std::string(pattern.view())), error);
    }
    Text executablePath() override { return Text(systemDirectory_ + "/none/hotlist"); }
    [[nodiscard]] char pathSeparator() const override { return '/'; }
    void getSystemDirectory(char* buffer, int capacity) override {
        if (static_cast<int>(systemDirectory_.size()) < capacity) {
            systemDirectory_.copy(buffer, systemDirectory_.size());
            buffer[systemDirectory_.size()] = '\0';
        }
    }

  private:
    std::string systemDirectory_;
};

QApplication& application() {
    static int argc = 1;
    static char name[] = "skin_library_test";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// Puts the application back to the style's own look, whatever an earlier test applied.
QApplication& unskinnedApplication() {
    QApplication& app = application();
    app.setStyleSheet(QString());
    QApplication::setPalette(QApplication::style()->standardPalette());
    return app;
}

std::int32_t attachDirectly(const Bytes& skin) {
    LinuxSkinLibraryLoader loader;
    std::unique_ptr<LoadedSkinLibrary> library = loader.load(Text(HOTLIST_SKIN_LIBRARY));
    EXPECT_NE(library, nullptr);
    if (library == nullptr || !library->hasAttachExport()) {
        return -1;
    }
    return library->attachRes(skin.data(), skin.length(), nullptr, 0, 0, 0);
}

Bytes damaged(Bytes skin, int at, std::uint8_t value) {
    skin.data()[at] = value;
    return skin;
}

TEST(SkinLibrary, EmbeddedSkinRecoloursTheApplication) {
    QApplication& app = unskinnedApplication();
    const QColor before = QApplication::palette().color(QPalette::Window);
    ASSERT_EQ(attachDirectly(embeddedSkin()), 0);

    EXPECT_NE(QApplication::palette().color(QPalette::Window), before);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(0xe4, 0xed, 0xe6));
    EXPECT_EQ(QApplication::palette().color(QPalette::Highlight), QColor(0x2f, 0x8f, 0x62));
    EXPECT_TRUE(app.styleSheet().contains("QPushButton"));
    EXPECT_TRUE(app.styleSheet().contains("QHeaderView::section"));
    EXPECT_TRUE(app.styleSheet().contains("QStatusBar"));
    EXPECT_EQ(QApplication::font().family(), "Noto Sans CJK SC");
}

TEST(SkinLibrary, RefusedSkinLeavesTheApplicationAsItWas) {
    QApplication& app = application();
    const Bytes good = embeddedSkin();
    struct Case {
        const char* name;
        Bytes skin;
    };
    const std::vector<Case> cases = {
        {"truncated", Bytes(good.view().substr(0, 3000))},
        {"bad checksum", damaged(good, 100, static_cast<std::uint8_t>(good.data()[100] ^ 0xFF))},
        {"bad magic", damaged(good, 0, 'X')},
        {"wrong version", damaged(good, 4, 9)},
        {"empty", Bytes()},
    };
    const QPalette before = QApplication::palette();
    const QString sheetBefore = app.styleSheet();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(attachDirectly(c.skin), 0);
        EXPECT_EQ(QApplication::palette(), before);
        EXPECT_EQ(app.styleSheet(), sheetBefore);
    }
}

TEST(SkinLibrary, RefusesWithoutAWidgetApplication) {
    if (QCoreApplication::instance() != nullptr) {
        GTEST_SKIP() << "needs a process of its own, as ctest runs it";
    }
    EXPECT_NE(attachDirectly(embeddedSkin()), 0);
}

using Entry = SandboxEntry;

void place(Entry entry, const fs::path& path) {
    placeSandboxEntry(entry, path, HOTLIST_SKIN_LIBRARY, HOTLIST_NO_EXPORT_LIBRARY);
}

TEST(SkinLibrary, AttachmentThroughDlopenInASandbox) {
    QApplication& app = application();
    struct Case {
        const char* name;
        Entry entry;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"nothing there", Entry::nothing, false},
        {"a directory named like the library", Entry::directory, false},
        {"a file that is not a library", Entry::textFile, false},
        {"a library without the export", Entry::libraryWithoutExport, false},
        {"the skin library", Entry::skinLibrary, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryDirectory sandbox("skin_test_");
        ASSERT_FALSE(sandbox.path().empty());
        fs::create_directory(sandbox.path() / "lib");
        place(c.entry, sandbox.path() / "lib" / "libSkinH_EL.so");
        SandboxFileSystem files((sandbox.path() / "lib").string());
        LinuxSkinLibraryLoader loader;
        unskinnedApplication();
        const QPalette before = QApplication::palette();
        SkinAttachment skin(files, loader, embeddedSkin());

        skin.locateSkinLibrary(Text());
        EXPECT_EQ(
            skin.skinLibraryPath().view(),
            c.entry == Entry::nothing ? "" : (sandbox.path() / "lib/libSkinH_EL.so").string());
        EXPECT_EQ(skin.attachEmbeddedSkin(), c.expected);
        EXPECT_EQ(QApplication::palette() != before, c.expected);
        EXPECT_EQ(app.styleSheet().isEmpty(), !c.expected);
    }
}

TEST(SkinLibrary, RelativePathWithSpacesResolvesFromTheCurrentDirectory) {
    QApplication& app = unskinnedApplication();
    const TemporaryDirectory sandbox("skin_test_");
    ASSERT_FALSE(sandbox.path().empty());
    fs::create_directory(sandbox.path() / "skins");
    place(Entry::skinLibrary, sandbox.path() / "skins" / "libSkinH_EL.so");
    const fs::path previous = fs::current_path();
    fs::current_path(sandbox.path());
    SandboxFileSystem files("/nonexistent-system-directory");
    LinuxSkinLibraryLoader loader;
    SkinAttachment skin(files, loader, embeddedSkin());

    skin.locateSkinLibrary(Text("  skins/../skins/libSkinH_EL.so  "));
    EXPECT_EQ(skin.skinLibraryPath().view(), "skins/../skins/libSkinH_EL.so");
    EXPECT_TRUE(skin.attachEmbeddedSkin());
    EXPECT_FALSE(app.styleSheet().isEmpty());
    fs::current_path(previous);
}

TEST(SkinLibraryLoader, FullPathIsAbsoluteNormalAndBounded) {
    LinuxSkinLibraryLoader loader;
    const std::string current = fs::current_path().string();
    struct Case {
        std::string path;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"/usr/lib/../local/lib/libSkinH_EL.so", "/usr/local/lib/libSkinH_EL.so"},
        {"libSkinH_EL.so", current + "/libSkinH_EL.so"},
        {"./a/./b/../libSkinH_EL.so", current + "/a/libSkinH_EL.so"},
        {"", ""},
        {"/" + std::string(258, 'x'), "/" + std::string(258, 'x')},
        {"/" + std::string(259, 'x'), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 40));
        EXPECT_EQ(loader.fullPath(Text(c.path)).view(), c.expected);
    }
    EXPECT_EQ(loader.skinLibraryFileName().view(), "libSkinH_EL.so");
}

TEST(SkinLibraryLoader, SystemDirectoryIsCopiedOnlyWhenItFits) {
    const std::string expected = kSystemLibraryDirectory;
    for (int capacity : {255, static_cast<int>(expected.size()) + 1}) {
        std::string buffer(255, ' ');
        copySystemDirectory(buffer.data(), capacity);
        EXPECT_EQ(std::string(buffer.c_str()), expected) << capacity;
    }
    std::string buffer(255, ' ');
    copySystemDirectory(buffer.data(), static_cast<int>(expected.size()));
    EXPECT_EQ(buffer, std::string(255, ' '));
}

}  // namespace
}  // namespace hotlist
