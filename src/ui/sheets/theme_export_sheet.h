#pragma once

#include "themes/custom_theme.h"

#include <QDialog>

class QPushButton;
class QTimer;

// Shows a theme's share code to copy; "복사하기" puts it on the clipboard and
// reads "복사됨!" for two seconds.
class ThemeExportSheet : public QDialog {
    Q_OBJECT

public:
    ThemeExportSheet(const CustomTheme& theme, QWidget* parent);

    QString code() const { return m_code; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void copy();
    void showCopied(bool copied);

    QString m_code;
    QPushButton* m_copy = nullptr;
    QTimer* m_copiedTimer = nullptr;
};
