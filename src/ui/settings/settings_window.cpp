#include "ui/settings/settings_window.h"

#include "ui/accessibility.h"
#include "ui/sheets/sheet_header.h"

#include "ui/icons.h"
#include "ui/settings/about_page.h"
#include "ui/settings/changelog_page.h"
#include "ui/settings/custom_theme_section.h"
#include "ui/settings/editor_settings_page.h"
#include "ui/settings/execution_settings_page.h"
#include "ui/settings/extensions_settings_page.h"
#include "ui/settings/indentation_settings_page.h"
#include "ui/settings/shortcuts_settings_page.h"
#include "ui/settings/template_settings_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

struct TabInfo {
    SettingsTab tab;
    QString label;
    QString symbol;
};

const QList<TabInfo>& tabTable() {
    static const QList<TabInfo> tabs = {
        {SettingsTab::editor, QStringLiteral("에디터"), QStringLiteral("textformat")},
        {SettingsTab::indentation, QStringLiteral("들여쓰기"), QStringLiteral("increase.indent")},
        {SettingsTab::templates, QStringLiteral("템플릿"), QStringLiteral("doc.text")},
        {SettingsTab::execution, QStringLiteral("실행"), QStringLiteral("play.circle")},
        {SettingsTab::extensions, QStringLiteral("확장 기능"),
         QStringLiteral("puzzlepiece.extension")},
        {SettingsTab::customTheme, QStringLiteral("커스텀 테마"), QStringLiteral("paintpalette")},
        {SettingsTab::shortcuts, QStringLiteral("단축키"), QStringLiteral("keyboard")},
        {SettingsTab::changelog, QStringLiteral("개발 로그"), QStringLiteral("doc.plaintext")},
        {SettingsTab::about, QStringLiteral("정보"), QStringLiteral("info.circle")},
    };
    return tabs;
}

} // namespace

SettingsWindow::SettingsWindow(SettingsStore& settings, ThemeSelection& themes,
                               WorkspaceStore& store, const QStringList& installedFamilies,
                               ProblemReceiving* receiving, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("settingsWindow"));
    setWindowTitle(QStringLiteral("설정"));
    setAccessibleName(QStringLiteral("설정"));
    setWindowModality(Qt::WindowModal);
    setFixedSize(650, 500);

    m_tabs = new QListWidget(this);
    m_tabs->setObjectName(QStringLiteral("settingsTabs"));
    // Rows sized before the sheet's padding applies would overlap once it does.
    m_tabs->ensurePolished();
    m_tabs->setAccessibleName(QStringLiteral("설정 항목"));
    m_tabs->setFixedWidth(150);
    m_tabs->setIconSize({20, 20});
    m_pages = new QStackedWidget(this);
    for (const TabInfo& info : tabTable())
        m_tabs->addItem(new QListWidgetItem(symbolIcon(info.symbol), info.label));
    connect(m_tabs, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    currentFollowsSelection(m_tabs);

    auto* about = new AboutPage(store, this);
    connect(about, &AboutPage::resetDone, this, &QDialog::accept);
    addPage(SettingsTab::editor, new EditorSettingsPage(settings, themes, installedFamilies, this));
    addPage(SettingsTab::indentation, new IndentationSettingsPage(settings, this));
    addPage(SettingsTab::templates, new TemplateSettingsPage(settings, this));
    addPage(SettingsTab::execution, new ExecutionSettingsPage(settings, this));
    addPage(SettingsTab::extensions, new ExtensionsSettingsPage(settings, receiving, this));
    addPage(SettingsTab::customTheme, new CustomThemeSettingsSection(themes, this));
    addPage(SettingsTab::shortcuts, new ShortcutsSettingsPage(this));
    addPage(SettingsTab::changelog, new ChangelogPage(this));
    addPage(SettingsTab::about, about);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_tabs);
    body->addWidget(m_pages, 1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader());
    column->addLayout(body, 1);

    selectTab(SettingsTab::editor);
}

QWidget* SettingsWindow::buildHeader() {
    QWidget* header = sheetHeader(this, QStringLiteral("설정"));
    header->setObjectName(QStringLiteral("settingsHeader"));
    header->setAttribute(Qt::WA_StyledBackground);
    return header;
}

void SettingsWindow::addPage(SettingsTab tab, QWidget* page) {
    Q_ASSERT(m_pages->count() == int(tab));
    auto* scroller = new ScrollArea(m_pages);
    scroller->setObjectName(QStringLiteral("settingsPage"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(page);
    m_pages->addWidget(scroller);
}

SettingsTab SettingsWindow::selectedTab() const {
    return SettingsTab(m_tabs->currentRow());
}

void SettingsWindow::selectTab(SettingsTab tab) {
    m_tabs->setCurrentRow(int(tab));
}

QWidget* SettingsWindow::page(SettingsTab tab) const {
    return static_cast<QScrollArea*>(m_pages->widget(int(tab)))->widget();
}
