#include "ui/sheets/language_badge.h"

#include "ui/style/colors.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QToolButton>

namespace {

bool drawnAsCircle(ProgrammingLanguage language) {
    return language == ProgrammingLanguage::c || language == ProgrammingLanguage::python;
}

QString largeLabel(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QStringLiteral("C");
    case ProgrammingLanguage::python:
        return QStringLiteral("P");
    case ProgrammingLanguage::txt:
        return QStringLiteral("TXT");
    default:
        return badgeLabel(language);
    }
}

} // namespace

QIcon largeLanguageBadge(ProgrammingLanguage language, const QPalette& palette) {
    constexpr int side = 32;
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColor(language, palette.color(QPalette::Window)));
    const QRectF box(1, 1, side - 2, side - 2);
    if (drawnAsCircle(language))
        painter.drawEllipse(box);
    else
        painter.drawRoundedRect(box, 6, 6);

    const QString label = largeLabel(language);
    QFont bold = QGuiApplication::font();
    bold.setBold(true);
    bold.setPixelSize(label.size() > 2 ? 10 : drawnAsCircle(language) ? 18 : 12);
    painter.setFont(bold);
    painter.setPen(palette.color(QPalette::BrightText));
    painter.drawText(box, Qt::AlignCenter, label);
    painter.end();

    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Active);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

QToolButton* makeLanguageButton(ProgrammingLanguage language, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("language_") + fileExtension(language));
    button->setProperty("badge", rawValue(language));
    button->setText(badgeLabel(language));
    button->setAccessibleName(rawValue(language));
    button->setCheckable(true);
    button->setAutoRaise(true);
    QFont bold = button->font();
    bold.setBold(true);
    bold.setFamily(QStringLiteral("monospace"));
    button->setFont(bold);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, badgeColor(language, palette.color(QPalette::Window)));
    button->setPalette(palette);
    return button;
}
