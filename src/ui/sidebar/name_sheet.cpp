#include "ui/sidebar/name_sheet.h"

#include "ui/sheets/sheet_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NameSheet::NameSheet(const Texts& texts, const QString& name, QWidget* parent)
    : QDialog(parent), m_field(new QLineEdit(name, this)), m_error(new QLabel(this)) {
    setObjectName(QStringLiteral("nameSheet"));
    setWindowTitle(texts.title);
    setAccessibleName(texts.title);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(320);

    auto* title = new QLabel(texts.title, this);
    title->setObjectName(QStringLiteral("sheetTitle"));

    m_field->setObjectName(QStringLiteral("nameField"));
    m_field->setPlaceholderText(texts.field);
    m_field->setAccessibleName(texts.field);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(m_field, 1);
    if (!texts.suffix.isEmpty()) {
        auto* suffix = new QLabel(texts.suffix, this);
        suffix->setObjectName(QStringLiteral("fileExtension"));
        fieldRow->addWidget(suffix);
    }

    m_error->setObjectName(QStringLiteral("sheetError"));
    m_error->setWordWrap(true);
    m_error->hide();

    auto* accept = new QPushButton(texts.accept, this);
    accept->setObjectName(QStringLiteral("acceptButton"));
    connect(accept, &QPushButton::clicked, this, &NameSheet::submit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 18);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addLayout(fieldRow);
    layout->addWidget(m_error);
    layout->addLayout(sheetButtons(this, accept));
}

void NameSheet::submit() {
    const QString name = m_field->text();
    const QString refusal = m_check ? m_check(name) : QString();
    if (!refusal.isEmpty()) {
        m_error->setText(refusal);
        m_error->show();
        m_field->setFocus();
        return;
    }
    emit nameChosen(name);
    accept();
}

void NameSheet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_field->setFocus();
    m_field->selectAll();
}
