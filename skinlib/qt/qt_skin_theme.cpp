#include "qt/qt_skin_theme.h"

#include <QColor>
#include <QStringList>

namespace hotlist::skinlib {
namespace {

using skinformat::ColourRole;
using skinformat::FontRole;
using skinformat::Metric;
using skinformat::Skin;

std::optional<QColor> colourOf(const Skin& skin, ColourRole role) {
    const std::optional<skinformat::Rgb> rgb = skin.colour(role);
    if (!rgb) {
        return std::nullopt;
    }
    return QColor(rgb->red, rgb->green, rgb->blue);
}

void setRole(QPalette& palette, QPalette::ColorRole target, const Skin& skin, ColourRole role) {
    if (const std::optional<QColor> colour = colourOf(skin, role)) {
        palette.setColor(QPalette::All, target, *colour);
    }
}

QPalette makePalette(const Skin& skin, const QPalette& base) {
    QPalette palette = base;
    setRole(palette, QPalette::Window, skin, ColourRole::windowBackground);
    setRole(palette, QPalette::WindowText, skin, ColourRole::windowText);
    setRole(palette, QPalette::Button, skin, ColourRole::buttonFace);
    setRole(palette, QPalette::ButtonText, skin, ColourRole::buttonText);
    setRole(palette, QPalette::Base, skin, ColourRole::listBackground);
    setRole(palette, QPalette::Text, skin, ColourRole::listText);
    setRole(palette, QPalette::AlternateBase, skin, ColourRole::listAlternate);
    setRole(palette, QPalette::Highlight, skin, ColourRole::selectionBackground);
    setRole(palette, QPalette::HighlightedText, skin, ColourRole::selectionText);
    setRole(palette, QPalette::Mid, skin, ColourRole::frame);
    return palette;
}

// Style-sheet text is built at run time on the heap: the library may be unloaded while
// the application still holds the sheet, so nothing may point into its static data.
QString property(const char* name, const QString& value) {
    return QString::fromLatin1(name) + QLatin1String(": ") + value + QLatin1String("; ");
}

QString colourProperty(const Skin& skin, const char* name, ColourRole role) {
    const std::optional<QColor> colour = colourOf(skin, role);
    return colour ? property(name, colour->name()) : QString();
}

QString fontProperty(const Skin& skin, FontRole role) {
    const std::optional<skinformat::FontSpec>& font = skin.font(role);
    if (!font) {
        return {};
    }
    return property("font", QString::number(font->weight) + QLatin1Char(' ') +
                                QString::number(font->pointSize) + QLatin1String("pt \"") +
                                QString::fromUtf8(font->family) + QLatin1Char('"'));
}

QString pixels(int value) {
    return QString::number(value) + QLatin1String("px");
}

QString rule(const char* selector, const QString& body) {
    return body.isEmpty()
               ? QString()
               : QString::fromLatin1(selector) + QLatin1String(" { ") + body + QLatin1String("}\n");
}

QString buttonRules(const Skin& skin) {
    const int border = skin.metric(Metric::borderWidth).value_or(1);
    QString body = colourProperty(skin, "background-color", ColourRole::buttonFace) +
                   colourProperty(skin, "color", ColourRole::buttonText) +
                   fontProperty(skin, FontRole::button) +
                   property("padding", QLatin1String("3px 8px"));
    if (const std::optional<QColor> edge = colourOf(skin, ColourRole::buttonBorder)) {
        body += property("border", pixels(border) + QLatin1String(" solid ") + edge->name());
    }
    if (const std::optional<int> radius = skin.metric(Metric::buttonRadius)) {
        body += property("border-radius", pixels(*radius));
    }
    return rule("QPushButton", body) +
           rule("QPushButton:hover",
                colourProperty(skin, "background-color", ColourRole::buttonHover)) +
           rule("QPushButton:pressed",
                colourProperty(skin, "background-color", ColourRole::buttonPressed));
}

QString listRules(const Skin& skin) {
    QString body =
        colourProperty(skin, "background-color", ColourRole::listBackground) +
        colourProperty(skin, "alternate-background-color", ColourRole::listAlternate) +
        colourProperty(skin, "color", ColourRole::listText) +
        colourProperty(skin, "selection-background-color", ColourRole::selectionBackground) +
        colourProperty(skin, "selection-color", ColourRole::selectionText);
    if (const std::optional<QColor> frame = colourOf(skin, ColourRole::frame)) {
        body += property("border", pixels(skin.metric(Metric::borderWidth).value_or(1)) +
                                       QLatin1String(" solid ") + frame->name());
    }
    if (skin.colour(ColourRole::listAlternate)) {
        body += property("qproperty-alternatingRowColors", QLatin1String("true"));
    }
    QString rules = rule("QTreeView, QTableView, QListView", body);
    if (const std::optional<int> padding = skin.metric(Metric::rowPadding)) {
        rules += rule("QTreeView::item, QTableView::item, QListView::item",
                      property("padding", pixels(*padding) + QLatin1Char(' ') + pixels(2)));
    }
    return rules;
}

QString headerRules(const Skin& skin) {
    QString body = colourProperty(skin, "background-color", ColourRole::headerBackground) +
                   colourProperty(skin, "color", ColourRole::headerText) +
                   fontProperty(skin, FontRole::header) +
                   property("padding", QLatin1String("0px 4px")) +
                   property("border", QLatin1String("none"));
    if (const std::optional<QColor> frame = colourOf(skin, ColourRole::frame)) {
        body += property("border-right", QLatin1String("1px solid ") + frame->name());
        body += property("border-bottom", QLatin1String("1px solid ") + frame->name());
    }
    if (const std::optional<int> height = skin.metric(Metric::headerHeight)) {
        body += property("min-height", pixels(*height));
    }
    return rule("QHeaderView::section", body);
}

// Our program's own status bar is a row of labels (hotlist::StatusPanes); other programs
// get the standard QStatusBar rules.
QString statusRules(const Skin& skin) {
    const QString colours = colourProperty(skin, "background-color", ColourRole::statusBackground) +
                            colourProperty(skin, "color", ColourRole::statusText) +
                            fontProperty(skin, FontRole::status);
    QString paneBorder;
    if (const std::optional<QColor> frame = colourOf(skin, ColourRole::frame)) {
        paneBorder = property("border", QLatin1String("1px solid ") + frame->name());
    }
    return rule("QStatusBar", colours) +
           rule("QStatusBar QLabel", colourProperty(skin, "color", ColourRole::statusText)) +
           rule("hotlist--StatusPanes > QLabel", colours + paneBorder);
}

QString makeStyleSheet(const Skin& skin) {
    const QString window =
        rule("QMainWindow, QDialog",
             colourProperty(skin, "background-color", ColourRole::windowBackground) +
                 colourProperty(skin, "color", ColourRole::windowText));
    return window + buttonRules(skin) + listRules(skin) + headerRules(skin) + statusRules(skin);
}

std::optional<QFont> makeFont(const Skin& skin) {
    const std::optional<skinformat::FontSpec>& spec = skin.font(FontRole::window);
    if (!spec) {
        return std::nullopt;
    }
    QFont font(QString::fromUtf8(spec->family), spec->pointSize);
    font.setWeight(static_cast<QFont::Weight>(spec->weight));
    return font;
}

}  // namespace

QtSkinTheme makeQtSkinTheme(const Skin& skin, const QPalette& base) {
    return {makePalette(skin, base), makeFont(skin), makeStyleSheet(skin)};
}

}  // namespace hotlist::skinlib
