#include "ui/sheets/theme_import_sheet.h"

#include "editor/code_font.h"
#include "themes/theme_selection.h"
#include "ui/icons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ThemeImportSheet::ThemeImportSheet(ThemeSelection& themes, QWidget* parent)
    : QDialog(parent), m_themes(themes) {
    const QString title = QStringLiteral("테마 불러오기");
    setObjectName(QStringLiteral("themeImportSheet"));
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowModality(Qt::WindowModal);
    resize(520, 340);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("sheetTitle"));
    auto* cancel = new QPushButton(QStringLiteral("취소"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* header = new QHBoxLayout;
    header->addWidget(heading, 1);
    header->addWidget(cancel);

    auto* prompt = new QLabel(QStringLiteral("테마 코드를 붙여넣으세요."), this);
    prompt->setObjectName(QStringLiteral("secondaryText"));
    m_code = new QPlainTextEdit(this);
    m_code->setObjectName(QStringLiteral("shareCodeInput"));
    m_code->setAccessibleName(QStringLiteral("테마 코드"));
    m_code->setFont(fixedPitchFont());
    m_code->setTabChangesFocus(true);

    auto* paste = new QPushButton(QStringLiteral("붙여넣기"), this);
    paste->setObjectName(QStringLiteral("pasteButton"));
    paste->setIcon(symbolIcon(QStringLiteral("doc.on.clipboard")));
    paste->setAutoDefault(false);
    connect(paste, &QPushButton::clicked, this, [this] {
        const QString text = QGuiApplication::clipboard()->text();
        if (!text.isEmpty())
            setCode(text);
    });
    m_add = new QPushButton(QStringLiteral("테마 추가"), this);
    m_add->setObjectName(QStringLiteral("addThemeButton"));
    m_add->setIcon(symbolIcon(QStringLiteral("plus.circle.fill")));
    m_add->setProperty("primary", true);
    m_add->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &ThemeImportSheet::import);
    connect(m_code, &QPlainTextEdit::textChanged, this,
            [this] { m_add->setEnabled(!m_code->toPlainText().isEmpty()); });
    m_add->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(paste);
    buttons->addStretch();
    buttons->addWidget(m_add);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addWidget(prompt);
    layout->addWidget(m_code, 1);
    layout->addLayout(buttons);
}

void ThemeImportSheet::setCode(const QString& code) {
    m_code->setPlainText(code);
}

void ThemeImportSheet::import() {
    if (const std::optional<QString> error = m_themes.importShareCode(m_code->toPlainText())) {
        emit failed(*error);
        return;
    }
    accept();
    emit succeeded();
}

void ThemeImportSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_code->setFocus();
}
