#pragma once

#include "base/programming_language.h"

#include <QDialog>

class Workspace;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The tab bar's "+" sheet, 500 pixels wide: a base name with the chosen
// language's extension after it, a card per language and a preview of the
// language's built-in starter text (not the user's template, which the file
// receives). "생성" is the default button, so Return creates.
class NewFileSheet : public QDialog {
    Q_OBJECT

public:
    NewFileSheet(Workspace& workspace, QWidget* parent);

    ProgrammingLanguage language() const { return m_language; }
    void chooseLanguage(ProgrammingLanguage language);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildLanguageCards();
    void create();

    Workspace& m_workspace;
    ProgrammingLanguage m_language = ProgrammingLanguage::cpp;
    QLineEdit* m_name = nullptr;
    QLabel* m_extension = nullptr;
    QButtonGroup* m_cards = nullptr;
    QPlainTextEdit* m_preview = nullptr;
};
