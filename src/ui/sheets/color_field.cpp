#include "ui/sheets/color_field.h"

#include "ui/style/colors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

CodableColor codableColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    if (!rgb.isValid())
        return {1, 1, 1, 1};
    return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}

ColorField::ColorField(const QString& label, QWidget* parent) : QPushButton(label, parent) {
    setObjectName(QStringLiteral("colorField"));
    setAccessibleName(label);
    setAutoDefault(false);
    setIconSize(QSize(28, 18));
    connect(this, &QPushButton::clicked, this, &ColorField::pick);
}

void ColorField::setColor(const CodableColor& color) {
    m_color = color;
    // The swatch is the user's own colour; a checkerboard under it shows opacity.
    QPixmap swatch(iconSize());
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    const int half = swatch.height() / 2;
    for (int x = 0; x < swatch.width(); x += half)
        for (int y = 0; y < swatch.height(); y += half)
            painter.fillRect(x, y, half, half,
                             ((x + y) / half) % 2 ? palette().mid() : palette().base());
    painter.fillRect(swatch.rect(), toQColor(color.toRgba()));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    painter.end();
    setIcon(QIcon(swatch));
    emit colorChanged();
}

void ColorField::pick() {
    auto* dialog = new QColorDialog(toQColor(m_color.toRgba()), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QColorDialog::ShowAlphaChannel);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setWindowTitle(text());
    connect(dialog, &QColorDialog::colorSelected, this,
            [this](const QColor& picked) { setColor(codableColor(picked)); });
    dialog->open();
}
