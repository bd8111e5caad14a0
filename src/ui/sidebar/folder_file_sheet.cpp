#include "ui/sidebar/folder_file_sheet.h"

#include "ui/sheets/sheet_header.h"
#include "workspace/workspace.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

FolderFileSheet::FolderFileSheet(Workspace& workspace, const QUuid& folderId, QWidget* parent)
    : QDialog(parent), m_workspace(workspace), m_folderId(folderId), m_name(new QLineEdit(this)),
      m_extension(new QLabel(this)), m_cards(new QButtonGroup(this)) {
    const QString title = QStringLiteral("새 파일 만들기");
    setObjectName(QStringLiteral("folderFileSheet"));
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(360);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("sheetTitle"));

    m_name->setObjectName(QStringLiteral("nameField"));
    m_name->setPlaceholderText(QStringLiteral("파일 이름 입력"));
    m_name->setAccessibleName(QStringLiteral("파일 이름 입력"));
    m_extension->setObjectName(QStringLiteral("fileExtension"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_extension);

    auto* languages = new QLabel(QStringLiteral("언어 선택"), this);
    languages->setObjectName(QStringLiteral("sectionTitle"));

    auto* create = new QPushButton(QStringLiteral("생성"), this);
    create->setObjectName(QStringLiteral("acceptButton"));
    connect(create, &QPushButton::clicked, this, &FolderFileSheet::create);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(heading);
    layout->addLayout(nameRow);
    layout->addWidget(languages);
    layout->addWidget(buildLanguageCards());
    layout->addLayout(sheetButtons(this, create));

    chooseLanguage(m_language);
}

QWidget* FolderFileSheet::buildLanguageCards() {
    auto* grid = new QWidget(this);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    const QList<ProgrammingLanguage>& languages = allLanguages();
    for (int i = 0; i < languages.size(); ++i) {
        const ProgrammingLanguage language = languages[i];
        auto* card = new QToolButton(grid);
        card->setObjectName(QStringLiteral("languageCard_") + fileExtension(language));
        // The style sheet colours the label by the language.
        card->setProperty("languageCard", fileExtension(language));
        card->setText(badgeLabel(language));
        card->setAccessibleName(rawValue(language));
        card->setToolTip(rawValue(language));
        card->setCheckable(true);
        card->setFocusPolicy(Qt::TabFocus);
        card->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        m_cards->addButton(card, int(language));
        layout->addWidget(card, i / 3, i % 3);
        connect(card, &QToolButton::clicked, this, [this, language] { chooseLanguage(language); });
    }
    return grid;
}

void FolderFileSheet::chooseLanguage(ProgrammingLanguage language) {
    m_language = language;
    m_cards->button(int(language))->setChecked(true);
    m_extension->setText(QLatin1Char('.') + fileExtension(language));
}

void FolderFileSheet::create() {
    m_workspace.createFile(m_name->text() + QLatin1Char('.') + fileExtension(m_language),
                           m_language, m_folderId);
    m_name->clear();
    accept();
}

void FolderFileSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_name->setFocus();
}
