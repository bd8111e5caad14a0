#pragma once

#include "base/programming_language.h"

#include <QDialog>
#include <QUuid>

class Workspace;
class QButtonGroup;
class QLabel;
class QLineEdit;

// A folder row's "새 파일 만들기": a base name with the chosen language's
// extension after it and a small card per language (C++ at first); "생성"
// (the default button) creates the file in the folder.
class FolderFileSheet : public QDialog {
    Q_OBJECT

public:
    FolderFileSheet(Workspace& workspace, const QUuid& folderId, QWidget* parent);

    ProgrammingLanguage language() const { return m_language; }
    void chooseLanguage(ProgrammingLanguage language);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildLanguageCards();
    void create();

    Workspace& m_workspace;
    QUuid m_folderId;
    ProgrammingLanguage m_language = ProgrammingLanguage::cpp;
    QLineEdit* m_name;
    QLabel* m_extension;
    QButtonGroup* m_cards;
};
