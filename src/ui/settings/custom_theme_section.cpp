#include "ui/settings/custom_theme_section.h"

#include "themes/theme_selection.h"
#include "ui/icons.h"
#include "ui/settings/custom_theme_row.h"
#include "ui/sheets/custom_theme_editor_sheet.h"
#include "ui/sheets/sheet_backdrop.h"
#include "ui/sheets/sheet_header.h"
#include "ui/sheets/theme_export_sheet.h"
#include "ui/sheets/theme_import_sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDialog* present(QDialog* sheet) {
    presentSheet(sheet);
    return sheet;
}

} // namespace

CustomThemeSettingsSection::CustomThemeSettingsSection(ThemeSelection& themes, QWidget* parent)
    : QWidget(parent), m_themes(themes) {
    setObjectName(QStringLiteral("customThemeSection"));

    auto* intro = new QLabel(
        QStringLiteral("나만의 테마를 만들고 관리하세요. 에디터 탭에서 테마를 선택할 수 있어요!"),
        this);
    intro->setObjectName(QStringLiteral("secondaryText"));
    intro->setWordWrap(true);
    auto* create = new QPushButton(QStringLiteral("새 테마"), this);
    create->setObjectName(QStringLiteral("newThemeButton"));
    create->setIcon(symbolIcon(QStringLiteral("plus.circle.fill")));
    create->setProperty("primary", true);
    auto* import = new QPushButton(QStringLiteral("코드로 불러오기"), this);
    import->setObjectName(QStringLiteral("importThemeButton"));
    import->setIcon(symbolIcon(QStringLiteral("square.and.arrow.down")));
    connect(create, &QPushButton::clicked, this, [this] { openEditor(std::nullopt); });
    connect(import, &QPushButton::clicked, this, &CustomThemeSettingsSection::openImport);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(create);
    buttons->addWidget(import);
    buttons->addStretch();

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("sectionHeading"));
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(6);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);
    auto* title = new QLabel(QStringLiteral("커스텀 테마 관리"), this);
    title->setObjectName(QStringLiteral("pageTitle"));
    layout->addWidget(title);
    layout->addWidget(intro);
    layout->addLayout(buttons);
    layout->addWidget(m_heading);
    layout->addLayout(m_rows);
    layout->addStretch();

    for (auto signal :
         {&ThemeSelection::customThemesChanged, &ThemeSelection::selectedCustomThemeChanged,
          &ThemeSelection::useCustomThemeChanged})
        connect(&m_themes, signal, this, &CustomThemeSettingsSection::rebuildList);
    rebuildList();
}

void CustomThemeSettingsSection::rebuildList() {
    const QList<CustomTheme>& themes = m_themes.customThemes();
    m_heading->setText(QStringLiteral("내 테마 목록 (%1개)").arg(themes.size()));
    // A row may be the sender of the change being shown (a click that
    // selected it), so it goes after the event is done with it.
    while (QLayoutItem* item = m_rows->takeAt(0)) {
        item->widget()->hide();
        item->widget()->deleteLater();
        delete item;
    }
    if (themes.isEmpty()) {
        auto* empty = new QLabel(
            QStringLiteral("아직 커스텀 테마가 없어요. 새로 만들거나 코드로 불러오세요!"), this);
        empty->setObjectName(QStringLiteral("secondaryText"));
        empty->setWordWrap(true);
        m_rows->addWidget(empty);
        return;
    }
    const CustomTheme* active = m_themes.activeCustomTheme();
    for (const CustomTheme& theme : themes) {
        auto* row = new CustomThemeRow(theme, active && active->id == theme.id, this);
        // Copies: the list may change under an open sheet.
        connect(row, &CustomThemeRow::selectRequested, this,
                [this, theme] { m_themes.selectCustomTheme(theme); });
        connect(row, &CustomThemeRow::editRequested, this, [this, theme] { openEditor(theme); });
        connect(row, &CustomThemeRow::exportRequested, this, [this, theme] { openExport(theme); });
        connect(row, &CustomThemeRow::deleteRequested, this,
                [this, theme] { confirmDelete(theme); });
        m_rows->addWidget(row);
    }
}

QDialog* CustomThemeSettingsSection::openEditor(const std::optional<CustomTheme>& theme) {
    return present(new CustomThemeEditorSheet(m_themes, theme, this));
}

QDialog* CustomThemeSettingsSection::openExport(const CustomTheme& theme) {
    return present(new ThemeExportSheet(theme, this));
}

QDialog* CustomThemeSettingsSection::openImport() {
    auto* sheet = new ThemeImportSheet(m_themes, this);
    connect(sheet, &ThemeImportSheet::failed, this, [this, sheet](const QString& message) {
        showAlert(sheet, QMessageBox::Warning, QStringLiteral("불러오기 실패"), message);
    });
    connect(sheet, &ThemeImportSheet::succeeded, this, [this] {
        showAlert(this, QMessageBox::Information, QStringLiteral("불러오기 완료"),
                  QStringLiteral("테마를 성공적으로 추가했습니다!"));
    });
    return present(sheet);
}

void CustomThemeSettingsSection::confirmDelete(const CustomTheme& theme) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("테마 삭제"),
                                QStringLiteral("테마 삭제"), QMessageBox::NoButton, this);
    box->setInformativeText(QStringLiteral("'%1'를 삭제하시겠습니까?").arg(theme.name));
    box->setObjectName(QStringLiteral("deleteThemeAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->addButton(QStringLiteral("취소"), QMessageBox::RejectRole);
    QPushButton* remove = box->addButton(QStringLiteral("삭제"), QMessageBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("confirmDeleteButton"));
    const QUuid id = theme.id;
    connect(box, &QMessageBox::buttonClicked, this, [this, remove, id](QAbstractButton* button) {
        if (button == remove)
            m_themes.deleteCustomTheme(id);
    });
    box->open();
}

// The title is repeated inside: a window title alone is easy to miss.
void CustomThemeSettingsSection::showAlert(QWidget* over, QMessageBox::Icon icon,
                                           const QString& title, const QString& message) {
    auto* box = new QMessageBox(icon, title, title, QMessageBox::NoButton, over);
    box->setInformativeText(message);
    box->setObjectName(QStringLiteral("themeAlert"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
    box->open();
}
