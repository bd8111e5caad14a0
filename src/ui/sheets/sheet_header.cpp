#include "ui/sheets/sheet_header.h"

#include "ui/accessibility.h"
#include "ui/icons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

QWidget* sheetHeader(QDialog* sheet, const QString& title) {
    auto* header = new QWidget(sheet);
    header->setObjectName(QStringLiteral("sheetHeader"));
    auto* label = new QLabel(title, header);
    label->setObjectName(QStringLiteral("sheetTitle"));
    auto* close = new QToolButton(header);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoRaise(true);
    close->setIconSize(QSize(22, 22));
    setSymbol(close, QStringLiteral("xmark.circle.fill"), QStringLiteral("닫기"));
    nameIconButton(close, QStringLiteral("닫기"));
    QObject::connect(close, &QToolButton::clicked, sheet, &QDialog::reject);

    auto* layout = new QHBoxLayout(header);
    layout->setContentsMargins(16, 12, 12, 12);
    layout->addWidget(label);
    layout->addStretch();
    layout->addWidget(close);
    return header;
}

QWidget* sectionHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("sectionHeading"));
    return label;
}

QHBoxLayout* sheetButtons(QDialog* sheet, QPushButton* primary) {
    auto* cancel = new QPushButton(QStringLiteral("취소"), sheet);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, sheet, &QDialog::reject);
    primary->setProperty("primary", true);
    primary->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(primary);
    return buttons;
}
