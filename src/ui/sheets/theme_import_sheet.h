#pragma once

#include <QDialog>

class ThemeSelection;
class QPlainTextEdit;
class QPushButton;

// Takes a pasted share code. "테마 추가" adds the theme and closes the sheet
// (succeeded), or reports the reason (failed) and stays open so the code can
// be corrected.
class ThemeImportSheet : public QDialog {
    Q_OBJECT

public:
    ThemeImportSheet(ThemeSelection& themes, QWidget* parent);

    void setCode(const QString& code);

signals:
    void succeeded();
    void failed(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void import();

    ThemeSelection& m_themes;
    QPlainTextEdit* m_code = nullptr;
    QPushButton* m_add = nullptr;
};
