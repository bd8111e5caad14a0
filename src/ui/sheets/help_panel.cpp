#include "ui/sheets/help_panel.h"

#include "ui/accessibility.h"
#include "ui/icons.h"
#include "ui/sheets/sheet_header.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QScrollArea>
#include <QVBoxLayout>

HelpPanel::HelpPanel(QWidget* parent, HelpSection section) : QDialog(parent) {
    setObjectName(QStringLiteral("helpPanel"));
    setWindowTitle(QStringLiteral("도움말"));
    setAccessibleName(QStringLiteral("도움말"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(650, 500);

    m_sections = new QListWidget(this);
    m_sections->setObjectName(QStringLiteral("sectionList"));
    // Rows sized before the sheet's padding applies would overlap once it does.
    m_sections->ensurePolished();
    m_sections->setAccessibleName(QStringLiteral("도움말 항목"));
    m_sections->setFixedWidth(170);
    m_sections->setIconSize(QSize(20, 20));
    for (HelpSection each : allHelpSections()) {
        auto* item = new QListWidgetItem(symbolIcon(helpSectionSymbol(each)),
                                         helpSectionTitle(each), m_sections);
        item->setData(Qt::UserRole, int(each));
    }
    m_content = new ScrollArea(this);
    m_content->setObjectName(QStringLiteral("helpScroll"));
    m_content->setWidgetResizable(true);
    m_content->setFrameShape(QFrame::NoFrame);
    connect(m_sections, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_content->setWidget(helpContent(allHelpSections()[row], m_content));
    });
    currentFollowsSelection(m_sections);

    auto* divider = new QFrame(this);
    divider->setObjectName(QStringLiteral("divider"));
    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_sections);
    body->addWidget(m_content, 1);
    auto* layout = new QVBoxLayout(this);
    // The sheet's border stays in sight around the list and the content.
    layout->setContentsMargins(1, 0, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(sheetHeader(this, QStringLiteral("도움말")));
    layout->addWidget(divider);
    layout->addLayout(body, 1);

    showSection(section);
}

HelpSection HelpPanel::section() const {
    return allHelpSections()[m_sections->currentRow()];
}

void HelpPanel::showSection(HelpSection section) {
    m_sections->setCurrentRow(int(allHelpSections().indexOf(section)));
}

void HelpPanel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_sections->setFocus();
}
