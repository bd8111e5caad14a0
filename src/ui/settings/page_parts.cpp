#include "ui/settings/page_parts.h"

#include "ui/icons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

} // namespace

QVBoxLayout* pageColumn(QWidget* page, const QString& title, const QString& captionText) {
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(20, 16, 20, 20);
    column->setSpacing(10);
    column->addWidget(namedLabel(title, QStringLiteral("pageTitle"), page));
    if (!captionText.isEmpty())
        column->addWidget(caption(captionText, page));
    column->addSpacing(4);
    return column;
}

QLabel* heading(const QString& text, QWidget* parent) {
    return namedLabel(text, QStringLiteral("settingHeading"), parent);
}

QLabel* caption(const QString& text, QWidget* parent) {
    return namedLabel(text, QStringLiteral("caption"), parent);
}

QWidget* divider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("divider"));
    return line;
}

QWidget* symbolLine(const QString& symbol, QLabel* text, LineKind kind, QWidget* parent) {
    auto* line = new QWidget(parent);
    auto* icon = new QLabel(line);
    icon->setPixmap(symbolIcon(symbol).pixmap(16, 16));
    text->setParent(line);
    text->setObjectName(kind == LineKind::warning ? QStringLiteral("warningText")
                                                  : QStringLiteral("infoText"));
    text->setWordWrap(true);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    return line;
}

QWidget* symbolLine(const QString& symbol, const QString& text, LineKind kind, QWidget* parent) {
    return symbolLine(symbol, new QLabel(text), kind, parent);
}

QBoxLayout* labelledRow(const QString& label, QWidget* control, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->setSpacing(10);
    row->addWidget(heading(label, parent));
    row->addWidget(control);
    row->addStretch();
    return row;
}
