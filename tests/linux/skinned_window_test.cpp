#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "app/application.h"
#include "app/constants.h"
#include "app/platform_collection_steps.h"
#include "desktop_page_server.h"
#include "gui/linux_platform_services.h"
#include "gui/qt_main_window.h"

namespace hotlist {
namespace {

using testing::DesktopPageServer;
using testing::fixturePage;

class NoShell final : public Shell {
  public:
    void openInBrowser(const Text&) override {}
};

QWidget* mainWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<MainWidget*>(top) != nullptr && top->isVisible()) {
            return top;
        }
    }
    return nullptr;
}

void saveShot(const QPixmap& shot, const char* path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(shot.save(path)) << path;
}

// The colour of the status bar's middle, where only the bar itself paints.
QColor statusBarColour(const QImage& image) {
    return image.pixelColor(image.width() - 40, image.height() - 4);
}

// Moves the skin library beside this program out of the way while it lives.
class HiddenSkinLibrary {
  public:
    HiddenSkinLibrary() { QFile::rename(path(), path() + ".hidden"); }
    ~HiddenSkinLibrary() { QFile::rename(path() + ".hidden", path()); }
    HiddenSkinLibrary(const HiddenSkinLibrary&) = delete;
    HiddenSkinLibrary& operator=(const HiddenSkinLibrary&) = delete;
    static QString path() { return QCoreApplication::applicationDirPath() + "/libSkinH_EL.so"; }
};

// Starts the program, collects the hot articles and returns the window's picture.
QImage collectedWindow(const std::string& baseUrl) {
    NoShell shell;
    LinuxPlatformServices services{&shell};
    PlatformCollectionSteps steps{services.platform()};
    ApplicationSettings settings;
    settings.aggregatorBaseUrl = Text(baseUrl);
    Application application(services.platform(), steps, settings);
    QImage shot;
    QTimer::singleShot(0, [&] {
        QWidget* window = mainWindow();
        if (window == nullptr) {
            ADD_FAILURE() << "no main window";
            QApplication::closeAllWindows();
            return;
        }
        QTest::mouseClick(window->findChildren<QPushButton*>().value(0), Qt::LeftButton);
        QTest::qWait(500);
        shot = window->grab().toImage();
        window->close();
    });
    EXPECT_EQ(application.run(), 0);
    return shot;
}

// This test program lives in a directory of its own with libSkinH_EL.so beside it, so the
// start sequence finds the library exactly as the installed program does.
TEST(SkinnedWindow, TheWindowShowsTheEmbeddedSkinOnlyWhenTheLibraryIsThere) {
    DesktopPageServer server{{{kHotArticlesPath, fixturePage("hotlist_30.html")}}};
    ASSERT_TRUE(QFile::exists(HiddenSkinLibrary::path()));
    QImage plain;
    {
        const HiddenSkinLibrary hidden;
        plain = collectedWindow(server.baseUrl());
    }
    ASSERT_FALSE(plain.isNull());
    EXPECT_NE(statusBarColour(plain), QColor(0x2c, 0x5a, 0x41));
    EXPECT_NE(QApplication::palette().color(QPalette::Window), QColor(0xe4, 0xed, 0xe6));
    saveShot(QPixmap::fromImage(plain), HOTLIST_UNSKINNED_SHOT);

    const QImage skinned = collectedWindow(server.baseUrl());
    ASSERT_FALSE(skinned.isNull());
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(0xe4, 0xed, 0xe6));
    EXPECT_EQ(statusBarColour(skinned), QColor(0x2c, 0x5a, 0x41));
    EXPECT_EQ(skinned.size(), plain.size());
    EXPECT_NE(skinned, plain);
    saveShot(QPixmap::fromImage(skinned), HOTLIST_SKINNED_SHOT);
}

}  // namespace
}  // namespace hotlist
