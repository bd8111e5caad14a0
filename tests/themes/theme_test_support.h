#pragma once

#include "themes/custom_theme.h"

#include <QString>
#include <QUuid>
#include <ostream>

inline void PrintTo(const Rgba& color, std::ostream* os) {
    *os << "(" << color.red << ", " << color.green << ", " << color.blue << ", " << color.alpha
        << ")";
}

// A theme whose fourteen colours all differ, so a field mixed up with
// another shows.
inline CustomTheme sampleTheme(const QString& name, double alpha = 1.0) {
    CustomTheme theme;
    theme.id = QUuid::createUuid();
    theme.name = name;
    CodableColor* fields[] = {
        &theme.background,        &theme.textColor,         &theme.lineNumberColor,
        &theme.sidebarBackground, &theme.cursorColor,       &theme.currentLineHighlight,
        &theme.syntaxKeyword,     &theme.syntaxString,      &theme.syntaxComment,
        &theme.syntaxFunction,    &theme.syntaxType,        &theme.syntaxNumber,
        &theme.syntaxVariable,    &theme.syntaxPreprocessor};
    int i = 1;
    for (CodableColor* field : fields) {
        *field = CodableColor{i / 100.0, 0.5 + i / 100.0, 1.0 - i / 100.0, alpha};
        ++i;
    }
    return theme;
}
