#pragma once

#include <QWidget>

class AppState;
class QComboBox;

// The execution tab: the time limit of one run, the compilers the runner
// expects and how to install them.
class ExecutionSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ExecutionSettingsPage(AppState& state, QWidget* parent = nullptr);

private:
    QWidget* buildCompilerTable();
    void showTimeout();

    AppState& m_state;
    QComboBox* m_timeout = nullptr;
    QWidget* m_noLimitWarning = nullptr;
};
