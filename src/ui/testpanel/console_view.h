#pragma once

#include <QWidget>

class AppState;
class OutputView;
class QCheckBox;
class RunSession;

// The console tab: "콘솔 출력" with the "자동 스크롤" toggle, the copy-code
// button and "지우기" above the console text, or the placeholder while it is
// empty. While the toggle is on, every change scrolls to the end.
class ConsoleView : public QWidget {
    Q_OBJECT

public:
    ConsoleView(AppState& state, RunSession& runs, QWidget* parent = nullptr);

    OutputView* text() const { return m_text; }

private:
    void showOutput(const QString& text);

    AppState& m_state;
    RunSession& m_runs;
    QCheckBox* m_autoScroll = nullptr;
    OutputView* m_text = nullptr;
};
