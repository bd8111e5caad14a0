#pragma once

#include "ui/sheets/help_content.h"

#include <QDialog>

class QListWidget;
class QScrollArea;

// The help sheet, 650 x 500: the five sections on the left, the chosen
// section's fixed texts on the right. Opens on `section`.
class HelpPanel : public QDialog {
    Q_OBJECT

public:
    explicit HelpPanel(QWidget* parent, HelpSection section = HelpSection::shortcuts);

    HelpSection section() const;
    void showSection(HelpSection section);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QListWidget* m_sections = nullptr;
    QScrollArea* m_content = nullptr;
};
