#pragma once

#include <QFont>
#include <QPalette>
#include <QString>
#include <optional>

#include "skin/skin_format.h"

namespace hotlist::skinlib {

// What a skin does to a Qt application: its palette, its font and a style sheet.
struct QtSkinTheme {
    QPalette palette;
    std::optional<QFont> font;
    QString styleSheet;
};

// Builds the theme over `base`; roles the skin leaves out keep the base's colours.
QtSkinTheme makeQtSkinTheme(const skinformat::Skin& skin, const QPalette& base);

}  // namespace hotlist::skinlib
