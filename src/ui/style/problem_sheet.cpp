#include "ui/style/problem_sheet.h"

#include "editor/color_conversion.h"
#include "ui/style/colors.h"
#include "ui/style/style.h"

#include <QStyle>
#include <QWidget>
#include <utility>

namespace {

const char* const tierProperty = "tier";
const char* const busyProperty = "busy";

// The sheet matches properties when a widget is polished.
void restyleOnChange(QWidget* widget, const char* name, const QVariant& value) {
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

// Fonts that follow the problem font size are set by the widgets; the sheet
// gives sizes only to the fixed parts.
constexpr char16_t sheetTemplate[] = uR"(
#problemNumberLabel { color: <text-70>; font-size: 13pt; font-weight: 500; }
QLineEdit#problemNumber { font-size: 13pt; padding: 4px 6px; }
QPushButton#searchButton, QPushButton#randomButton, QPushButton#applyTestCases {
    color: white; border: none; border-radius: 6px; padding: 7px 14px; font-size: 13pt;
}
QPushButton#searchButton { background: <blue>; }
QPushButton#randomButton { background: <orange>; }
QPushButton#applyTestCases { background: <green>; font-weight: 500; }
QPushButton#searchButton[busy="true"], QPushButton#randomButton[busy="true"] {
    background: <grey>;
}
#problemChip {
    color: <blue>; background: <blue-15>; border-radius: 6px; padding: 5px 10px;
    font-size: 12pt; font-weight: 500;
}
#problemMessage { color: <text-70>; font-size: 14pt; }
#emptyTitle { color: <text-50>; font-size: 14pt; }
#emptyHint { color: <text-30>; font-size: 12pt; }
#problemScroll, #problemScroll > QWidget > QWidget { background: transparent; border: none; }

#tierPicker { background: <sidebar>; border: 1px solid <grey-30>; border-radius: 8px; }
#tierPickerHeading { color: <text>; font-size: 14pt; }
#cooldownNote { color: <orange>; font-size: 11pt; }
#tierPickerHint { color: <text-60>; font-size: 10pt; }
#tierGroupName { font-size: 11pt; font-weight: 600; }
QPushButton#tierButton { border: none; border-radius: 6px; font-size: 12pt; font-weight: bold; }

#problemNumberHeading, QPushButton#problemLink { color: <blue>; }
QPushButton#problemLink { background: transparent; border: none; padding: 2px 4px; }
QPushButton#problemLink:hover { text-decoration: underline; }
#tierBadge { color: white; border-radius: 4px; padding: 4px 8px; }
#limitChip {
    color: <text-70>; background: <grey-15>; border-radius: 4px; padding: 3px 7px;
    font-size: 10pt;
}
#problemTitle, #sectionTitle, #samplesHeading { color: <text>; }
#sectionContent { color: <text-85>; }
#sampleRow { background: <grey-08>; border: 1px solid <grey-20>; border-radius: 6px; }
#sampleLabel { color: <text-90>; }
#ioTitle { color: <text-60>; }
#ioContent { color: <text>; background: <background>; border-radius: 4px; padding: 10px; }
)";

QString css(const QColor& color) {
    return color.name(QColor::HexArgb);
}

QString tierKey(SolvedTier tier) {
    return displayName(tier).section(u' ', 0, 0).toLower();
}

QString tierRules() {
    QString rules;
    for (SolvedTier tier : allSolvedTiers()) {
        if (tier != SolvedTier::unrated && levelDigit(tier) != QStringLiteral("5"))
            continue; // one rule set per group
        const QColor colour = toQColor(color(tier));
        rules += QStringLiteral(
                     "QPushButton#tierButton[tier=\"%1\"] { color: %2; background: %3; }\n"
                     "QPushButton#tierButton[tier=\"%1\"]:hover { color: white; background: %2; }\n"
                     "#tierGroupName[tier=\"%1\"] { color: %2; }\n"
                     "#tierBadge[tier=\"%1\"] { background: %2; }\n")
                     .arg(tierKey(tier), css(colour), css(withAlpha(colour, 0.15)));
    }
    return rules;
}

} // namespace

QString problemTabSheet(const WindowColours& window) {
    const QColor grey = standardColor(QStringLiteral("gray"));
    const QColor blue = standardColor(QStringLiteral("blue"));
    const std::pair<const char16_t*, QColor> colours[] = {
        {u"<background>", window.background},
        {u"<sidebar>", window.sidebar},
        {u"<text>", window.text},
        {u"<text-30>", withAlpha(window.text, 0.3)},
        {u"<text-50>", withAlpha(window.text, 0.5)},
        {u"<text-60>", withAlpha(window.text, 0.6)},
        {u"<text-70>", withAlpha(window.text, 0.7)},
        {u"<text-85>", withAlpha(window.text, 0.85)},
        {u"<text-90>", withAlpha(window.text, 0.9)},
        {u"<blue>", blue},
        {u"<blue-15>", withAlpha(blue, 0.15)},
        {u"<orange>", standardColor(QStringLiteral("orange"))},
        {u"<green>", standardColor(QStringLiteral("green"))},
        {u"<grey>", grey},
        {u"<grey-08>", withAlpha(grey, 0.08)},
        {u"<grey-15>", withAlpha(grey, 0.15)},
        {u"<grey-20>", withAlpha(grey, 0.2)},
        {u"<grey-30>", withAlpha(grey, 0.3)},
    };
    QString sheet = QString::fromUtf16(sheetTemplate);
    for (const auto& [placeholder, colour] : colours)
        sheet.replace(QString::fromUtf16(placeholder), css(colour));
    return sheet + tierRules();
}

void setTierColour(QWidget* widget, SolvedTier tier) {
    widget->setAttribute(Qt::WA_StyledBackground);
    restyleOnChange(widget, tierProperty, tierKey(tier));
}

void setBusy(QWidget* widget, bool busy) {
    restyleOnChange(widget, busyProperty, busy);
}
