#include "ui/style/diff_colors.h"

#include "ui/style/colors.h"
#include "ui/style/style.h"

#include <QPalette>
#include <algorithm>

using namespace Qt::StringLiterals;

DiffColours diffColours(const QPalette& palette) {
    constexpr double textContrast = 4.5;
    const QColor red = standardColor(u"red"_s);
    const QColor green = standardColor(u"green"_s);
    const QColor text = palette.color(QPalette::Text);
    DiffColours colours{withAlpha(red, 0.14),
                        withAlpha(green, 0.14),
                        withAlpha(red, 0.45),
                        withAlpha(green, 0.45),
                        text,
                        withAlpha(standardColor(u"orange"_s), 0.14),
                        withAlpha(text, 0.05),
                        withAlpha(text, 0.45)};
    const QColor base = palette.color(QPalette::Base);
    const QColor marks[] = {
        paintedOver(colours.removedWord, paintedOver(colours.removedLine, base)),
        paintedOver(colours.addedWord, paintedOver(colours.addedLine, base)),
    };
    const auto worstContrast = [&](const QColor& candidate) {
        return std::min(contrastRatio(candidate, marks[0]), contrastRatio(candidate, marks[1]));
    };
    if (worstContrast(text) < textContrast) {
        const QColor white(Qt::white);
        const QColor black(Qt::black);
        colours.markedText = worstContrast(white) >= worstContrast(black) ? white : black;
    }
    return colours;
}

QString diffViewSheet(const WindowColours& window) {
    QString sheet = uR"(
#diffView { background: <background>; }
#diffSummary { color: <text>; font-size: 12pt; font-weight: 600; }
#diffSummary[outcome="different"] { color: <red>; }
#diffSummary[outcome="whitespaceOnly"] { color: <orange>; }
#diffPaneTitle, #diffRemainder { color: <text-60>; font-size: 10pt; }
#diffText {
    font-family: <mono>; font-size: 11pt; color: <text>; background: <background>;
    border: 1px solid <divider>; border-radius: 6px;
}
)"_s;
    const std::pair<QString, QColor> colours[] = {
        {u"<background>"_s, window.background},
        {u"<text>"_s, window.text},
        {u"<text-60>"_s, withAlpha(window.text, 0.6)},
        {u"<divider>"_s, withAlpha(QColor(128, 128, 128), 0.3)},
        {u"<red>"_s, standardColor(u"red"_s)},
        {u"<orange>"_s, standardColor(u"orange"_s)},
    };
    for (const auto& [placeholder, colour] : colours)
        sheet.replace(placeholder, colour.name(QColor::HexArgb));
    return sheet;
}
