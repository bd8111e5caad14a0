#pragma once

#include <QPlainTextEdit>

// A read-only, selectable, monospaced view of a program's output. Outputs
// reach 64 MiB and laying out all of that would stall the window, so only a
// bounded prefix is shown, followed by a line saying how much is left out;
// the state keeps the whole text for copying, saving and the report.
class OutputView : public QPlainTextEdit {
    Q_OBJECT

public:
    // At most `maxChars` characters and `maxLines` lines are shown.
    OutputView(qsizetype maxChars, int maxLines, QWidget* parent = nullptr);

    void setOutput(const QString& text);
    // The number of characters of the last output that are not shown.
    qsizetype omittedChars() const { return m_omitted; }
    // The lines shown, counting the line about what is left out.
    int shownLines() const { return document()->blockCount(); }

private:
    const qsizetype m_maxChars;
    const int m_maxLines;
    QString m_output;
    qsizetype m_omitted = 0;
};
