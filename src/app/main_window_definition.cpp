#include "app/main_window_definition.h"

#include "app_texts.h"

namespace hotlist {

// Centres the fixed outer frame. Integer division truncates toward zero, so a screen smaller
// than the window gives a negative coordinate, which is kept as it is.
MainWindowDefinition mainWindowDefinition(ScreenSize screen, int timerPeriodMs) {
    MainWindowDefinition definition;
    definition.title = app_texts::windowTitle;
    definition.outer = {(screen.width - kMainWindowOuterWidth) / 2,
                        (screen.height - kMainWindowOuterHeight) / 2, kMainWindowOuterWidth,
                        kMainWindowOuterHeight};
    definition.clientWidth = 912;
    definition.clientHeight = 543;
    definition.buttons = {{
        {{app_texts::button1Name, {16, 5, 80, 32}}, app_texts::button1Text},
        {{app_texts::button2Name, {136, 5, 80, 32}}, app_texts::button2Text},
        {{app_texts::button3Name, {256, 5, 80, 32}}, app_texts::button3Text},
    }};
    definition.timer = {app_texts::timerName, {528, 0, 26, 26}};
    definition.timerPeriodMs = timerPeriodMs;
    definition.statusBar = {app_texts::statusBarName, {0, 523, 912, 20}};
    definition.statusPaneRightEdges = {200, 700, 1000};
    definition.statusPaneTexts = {app_texts::statusPane1, app_texts::statusPane2,
                                  app_texts::statusPane3};
    definition.articleList = {app_texts::articleListName, {0, 41, 352, 487}};
    definition.columns = {{
        {app_texts::columnId, 50},
        {app_texts::columnLink, 100},
        {app_texts::columnTitle, 100},
        {app_texts::columnReaders, 100},
    }};
    definition.articleViewer = {app_texts::articleViewerName, {354, 3, 558, 525}};
    return definition;
}

}  // namespace hotlist
