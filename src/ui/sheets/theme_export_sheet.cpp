#include "ui/sheets/theme_export_sheet.h"

#include "editor/code_font.h"
#include "themes/share_code.h"
#include "ui/icons.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

ThemeExportSheet::ThemeExportSheet(const CustomTheme& theme, QWidget* parent)
    : QDialog(parent), m_code(makeShareCode(theme)) {
    const QString title = QStringLiteral("테마 내보내기: ") + theme.name;
    setObjectName(QStringLiteral("themeExportSheet"));
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowModality(Qt::WindowModal);
    resize(520, 360);

    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("sheetTitle"));
    auto* close = new QPushButton(QStringLiteral("닫기"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* header = new QHBoxLayout;
    header->addWidget(heading, 1);
    header->addWidget(close);

    auto* hint = new QLabel(QStringLiteral("아래 코드를 복사해서 공유하세요!"), this);
    hint->setObjectName(QStringLiteral("secondaryText"));
    auto* box = new QPlainTextEdit(m_code, this);
    box->setObjectName(QStringLiteral("shareCode"));
    box->setAccessibleName(QStringLiteral("테마 코드"));
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFont(fixedPitchFont());
    auto* length = new QLabel(QStringLiteral("코드 길이: %1자").arg(m_code.size()), this);
    length->setObjectName(QStringLiteral("secondaryText"));

    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("copyButton"));
    m_copy->setProperty("primary", true);
    m_copy->setDefault(true);
    connect(m_copy, &QPushButton::clicked, this, &ThemeExportSheet::copy);
    m_copiedTimer = new QTimer(this);
    m_copiedTimer->setSingleShot(true);
    m_copiedTimer->setInterval(2000);
    connect(m_copiedTimer, &QTimer::timeout, this, [this] { showCopied(false); });
    showCopied(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addWidget(hint);
    layout->addWidget(box, 1);
    layout->addWidget(length);
    layout->addWidget(m_copy);
}

void ThemeExportSheet::copy() {
    QGuiApplication::clipboard()->setText(m_code);
    showCopied(true);
    m_copiedTimer->start();
}

void ThemeExportSheet::showCopied(bool copied) {
    const QString text = copied ? QStringLiteral("복사됨!") : QStringLiteral("복사하기");
    m_copy->setText(text);
    m_copy->setAccessibleName(text);
    m_copy->setIcon(
        symbolIcon(copied ? QStringLiteral("checkmark") : QStringLiteral("doc.on.doc")));
}

void ThemeExportSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_copy->setFocus();
}
