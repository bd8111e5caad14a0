#pragma once

#include "base/compiler_message.h"

#include <QList>
#include <QWidget>

class Workspace;
class OutputView;
class QCheckBox;
class RunSession;

// The console tab: "콘솔 출력" with the "자동 스크롤" toggle, the copy-code
// button and "지우기" above the console text, or the placeholder while it is
// empty. While the toggle is on, every change scrolls to the end. The
// compiler's messages of the last run are found in the text: the view opens
// at the first, and a click on one's line asks to go there in the editor.
class ConsoleView : public QWidget {
    Q_OBJECT

public:
    ConsoleView(Workspace& workspace, RunSession& runs, QWidget* parent = nullptr);

    OutputView* text() const { return m_text; }
    // The messages in the text shown now; the first one is scrolled to the top.
    void showMessages(const QList<CompilerMessage>& messages);

signals:
    void messageActivated(const CompilerMessage& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showOutput(const QString& text);
    // The message whose first printed line is (part of) that line of the text.
    const CompilerMessage* messageOnLine(const QString& line) const;

    Workspace& m_workspace;
    RunSession& m_runs;
    QCheckBox* m_autoScroll = nullptr;
    OutputView* m_text = nullptr;
    QList<CompilerMessage> m_messages;
};
