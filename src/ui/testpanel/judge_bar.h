#pragma once

#include <QList>
#include <QString>
#include <QUuid>
#include <QWidget>
#include <utility>

class CaseBook;
class Workspace;
class QComboBox;
class QLabel;
class QLineEdit;

// The test panel's choice of how runs judge outputs: a comparison (with its
// tolerance for floating-point answers) or one of the workspace's files as
// the checker or the interactor, in the testlib or the package convention.
// Shows the active case list's choice and writes every change back to it; a tolerance
// that is no number >= 0 is refused and the field shows the one in force.
// When a judge problem's limits decide the verdicts, it says so.
class JudgeBar : public QWidget {
    Q_OBJECT

public:
    // The files are the candidates for a checker or an interactor.
    explicit JudgeBar(Workspace& workspace, QWidget* parent = nullptr);

private:
    void showChoice();
    bool fillPrograms();
    void choose();
    void applyTolerance();

    Workspace& m_workspace;
    CaseBook& m_cases;
    QComboBox* m_kind = nullptr;
    QLineEdit* m_tolerance = nullptr;
    QComboBox* m_program = nullptr;
    // What m_program lists, to tell a rename from a keystroke.
    QList<std::pair<QString, QUuid>> m_programs;
    QComboBox* m_style = nullptr;
    QLabel* m_limits = nullptr;
};
