#include "ui/sheets/theme_preview.h"

#include "editor/code_font.h"
#include "editor/highlighter.h"
#include "themes/theme_resolver.h"
#include "ui/style/colors.h"

#include <QPainter>

namespace {

const QString sample = QStringLiteral("#include <iostream>\n"
                                      "using namespace std;\n"
                                      "\n"
                                      "int main() {\n"
                                      "    // 주석입니다\n"
                                      "    string msg = \"Hello\";\n"
                                      "    int num = 42;\n"
                                      "    return 0;\n"
                                      "}");

const RoleMap& sampleRoles() {
    static const RoleMap roles = highlight(sample, ProgrammingLanguage::cpp);
    return roles;
}

QFont previewFont() {
    QFont font = fixedPitchFont();
    font.setPointSize(11);
    return font;
}

constexpr int margin = 12;
constexpr int gutterGap = 12;

} // namespace

ThemePreview::ThemePreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("themePreview"));
    setAccessibleName(QStringLiteral("미리보기"));
    setFont(previewFont());
}

void ThemePreview::setTheme(const CustomTheme& theme) {
    m_theme = theme;
    update();
}

QSize ThemePreview::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("9    string msg = \"Hello\";")) + 2 * margin +
                gutterGap,
            metrics.lineSpacing() * 9 + 2 * margin};
}

void ThemePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(m_theme.background.toRgba()));
    painter.drawRoundedRect(rect(), 8, 8);

    const QFontMetrics metrics(font());
    const int numberWidth = metrics.horizontalAdvance(QLatin1Char('9'));
    const int textLeft = margin + numberWidth + gutterGap;
    const RoleMap& roles = sampleRoles();
    qsizetype lineStart = 0;
    int baseline = margin + metrics.ascent();
    const QStringList lines = sample.split(QLatin1Char('\n'));
    for (qsizetype number = 0; number < lines.size(); ++number) {
        painter.setPen(toQColor(m_theme.lineNumberColor.toRgba()));
        const QString label = QString::number(number + 1);
        painter.drawText(margin + numberWidth - metrics.horizontalAdvance(label), baseline, label);
        const qsizetype lineEnd = lineStart + lines[number].size();
        for (const HighlightSpan& span : roles.spans(lineStart, lineEnd)) {
            const QString run = sample.mid(span.start, span.length);
            const int x =
                textLeft + metrics.horizontalAdvance(sample.mid(lineStart, span.start - lineStart));
            painter.setPen(toQColor(resolveColor(span.role, EditorTheme::dark, &m_theme)));
            painter.drawText(x, baseline, run);
        }
        lineStart = lineEnd + 1;
        baseline += metrics.lineSpacing();
    }
}
