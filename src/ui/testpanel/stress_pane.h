#pragma once

#include "workspace/stress_choice.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QUuid>
#include <QWidget>
#include <utility>

class SettingsStore;
class Workspace;
class DiffView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class StressSession;
struct StressProgress;
struct StressResult;

// The test panel's stress test: the selected file is the solution, run
// against a brute force on the inputs of a generator, both chosen among the
// workspace's files, judged by the test run's limits and judging choice.
// It runs until it finds a counterexample or is stopped; stopping, choosing
// another file and destroying the pane end it at once with every program.
// A counterexample shows its input, the brute force's and the solution's
// outputs side by side, and becomes a test case on request; a failure of the
// generator or brute force is shown as theirs.
class StressPane : public QWidget {
    Q_OBJECT

public:
    StressPane(Workspace& workspace, const SettingsStore& settings, QWidget* parent = nullptr);
    ~StressPane() override;

    StressChoice choice() const;
    // Shows `choice` without announcing it; a file no longer there stays unchosen.
    void setChoice(const StressChoice& choice);
    bool isRunning() const { return !m_session.isNull(); }

signals:
    // The user chose another program or edited the pattern.
    void choiceChanged(const StressChoice& choice);

private:
    void fillPrograms();
    void refresh();
    void start();
    void stop();
    // Hides the counterexample's details; `failed` colours the text.
    void showHeadline(const QString& text, bool failed);
    void showResult(const StressResult& result);
    void addAsTestCase();

    Workspace& m_workspace;
    const SettingsStore& m_settings;
    QComboBox* m_generator = nullptr;
    QComboBox* m_bruteForce = nullptr;
    QLineEdit* m_pattern = nullptr;
    QPushButton* m_startStop = nullptr;
    // What the pane is for, until it has something else to say.
    QLabel* m_guide = nullptr;
    QLabel* m_progress = nullptr;
    QLabel* m_headline = nullptr;
    QPushButton* m_addCase = nullptr;
    QWidget* m_details = nullptr;
    QPlainTextEdit* m_input = nullptr;
    DiffView* m_diff = nullptr;
    // What the combo boxes list, to tell a rename from a keystroke.
    QList<std::pair<QString, QUuid>> m_programs;
    QPointer<StressSession> m_session;
    QString m_ruleLabel;
    // The counterexample shown: its input and the brute force's answer.
    QByteArray m_caseInput;
    QByteArray m_caseAnswer;
};
