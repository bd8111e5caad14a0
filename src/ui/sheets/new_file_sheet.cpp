#include "ui/sheets/new_file_sheet.h"

#include "editor/code_font.h"
#include "library/starter_code.h"
#include "ui/icons.h"
#include "ui/sheets/language_badge.h"
#include "ui/sheets/sheet_header.h"
#include "workspace/workspace.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString defaultBaseName = QStringLiteral("solution");

QLabel* sectionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("sectionTitle"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

NewFileSheet::NewFileSheet(Workspace& workspace, QWidget* parent)
    : QDialog(parent), m_workspace(workspace) {
    setObjectName(QStringLiteral("newFileSheet"));
    setWindowTitle(QStringLiteral("새 파일 만들기"));
    setAccessibleName(QStringLiteral("새 파일 만들기"));
    setWindowModality(Qt::WindowModal);
    setFixedWidth(500);

    m_name = new QLineEdit(defaultBaseName, this);
    m_name->setObjectName(QStringLiteral("fileNameField"));
    m_name->setPlaceholderText(QStringLiteral("파일 이름 입력"));
    m_name->setAccessibleName(QStringLiteral("파일 이름"));
    m_extension = new QLabel(this);
    m_extension->setObjectName(QStringLiteral("fileExtension"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_extension);

    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("templatePreview"));
    m_preview->setAccessibleName(QStringLiteral("템플릿 미리보기"));
    m_preview->setReadOnly(true);
    m_preview->setFixedHeight(120);
    m_preview->setFocusPolicy(Qt::NoFocus);
    QFont mono = fixedPitchFont();
    mono.setPointSize(11);
    m_preview->setFont(mono);

    auto* create = new QPushButton(QStringLiteral("생성"), this);
    create->setObjectName(QStringLiteral("createButton"));
    connect(create, &QPushButton::clicked, this, &NewFileSheet::create);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(10);
    layout->addWidget(sheetHeader(this, QStringLiteral("새 파일 만들기")));
    layout->addSpacing(6);
    layout->addWidget(sectionLabel(QStringLiteral("파일 이름"), this));
    layout->addLayout(nameRow);
    layout->addSpacing(6);
    layout->addWidget(sectionLabel(QStringLiteral("언어 선택"), this));
    layout->addWidget(buildLanguageCards());
    layout->addSpacing(6);
    layout->addWidget(sectionLabel(QStringLiteral("템플릿 미리보기"), this));
    layout->addWidget(m_preview);
    layout->addSpacing(6);
    layout->addLayout(sheetButtons(this, create));

    chooseLanguage(ProgrammingLanguage::cpp);
}

QWidget* NewFileSheet::buildLanguageCards() {
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    m_cards = new QButtonGroup(this);
    const QList<ProgrammingLanguage>& languages = allLanguages();
    for (int i = 0; i < languages.size(); ++i) {
        const ProgrammingLanguage language = languages[i];
        auto* card = new QToolButton(grid);
        card->setObjectName(QStringLiteral("languageCard_") + fileExtension(language));
        card->setProperty("card", true);
        card->setCheckable(true);
        card->setText(rawValue(language));
        card->setAccessibleName(rawValue(language));
        card->setIcon(largeLanguageBadge(language, palette()));
        card->setIconSize({32, 32});
        card->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        card->setMinimumHeight(72);
        m_cards->addButton(card);
        layout->addWidget(card, i / 3, i % 3);
        connect(card, &QToolButton::toggled, this, [this, language](bool checked) {
            if (checked)
                chooseLanguage(language);
        });
    }
    return grid;
}

void NewFileSheet::chooseLanguage(ProgrammingLanguage language) {
    m_language = language;
    for (QAbstractButton* card : m_cards->buttons())
        card->setChecked(card->accessibleName() == rawValue(language));
    if (m_name->text().isEmpty() || m_name->text() == defaultBaseName)
        m_name->setText(defaultBaseName);
    m_extension->setText(QLatin1Char('.') + fileExtension(language));
    m_preview->setPlainText(corvanta::builtInStarterCode(language));
}

void NewFileSheet::create() {
    m_workspace.createFile(m_name->text() + QLatin1Char('.') + fileExtension(m_language),
                           m_language);
    accept();
}

void NewFileSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_name->setFocus();
    m_name->selectAll();
}
