#include "editor/code_font.h"

#include <QFontDatabase>
#include <QFontInfo>

QFont fixedPitchFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamily(QFontInfo(font).family());
    font.setStyleHint(QFont::Monospace);
    return font;
}
