#include "ui/testpanel/output_view.h"

#include <QLocale>

namespace {

// Where the shown part ends: after maxChars characters or the maxLines-th
// line, whichever comes first, never inside a surrogate pair.
qsizetype shownLength(const QString& text, qsizetype maxChars, int maxLines) {
    qsizetype end = std::min(text.size(), maxChars);
    if (end < text.size() && end > 0 && text[end - 1].isHighSurrogate())
        --end;
    // Only the shown part is searched: the rest may be 64 MiB of one line.
    const QStringView shown = QStringView(text).first(end);
    qsizetype at = -1;
    for (int line = 0; line < maxLines; ++line) {
        at = shown.indexOf(u'\n', at + 1);
        if (at < 0)
            return end;
    }
    return at;
}

} // namespace

OutputView::OutputView(qsizetype maxChars, int maxLines, QWidget* parent)
    : QPlainTextEdit(parent), m_maxChars(maxChars), m_maxLines(maxLines) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Breaking a long line only at spaces costs time that grows with the
    // square of its length; a program's output may have no spaces at all.
    setWordWrapMode(QTextOption::WrapAnywhere);
}

void OutputView::setOutput(const QString& text) {
    // Shared data: the same text again costs nothing to notice.
    if (text.isSharedWith(m_output) || text == m_output)
        return;
    m_output = text;
    const qsizetype length = shownLength(text, m_maxChars, m_maxLines);
    m_omitted = text.size() - length;
    if (m_omitted == 0) {
        setPlainText(text);
        return;
    }
    setPlainText(text.left(length) + QStringLiteral("\n… %1자 더 있음 (앞부분만 표시)")
                                         .arg(QLocale(QLocale::Korean).toString(m_omitted)));
}
