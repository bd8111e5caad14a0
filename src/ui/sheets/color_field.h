#pragma once

#include "themes/custom_theme.h"

#include <QColor>
#include <QPushButton>

// One colour of a custom theme: a button showing the label and a swatch of
// the colour; clicking opens the platform's colour dialog with opacity.
class ColorField : public QPushButton {
    Q_OBJECT

public:
    ColorField(const QString& label, QWidget* parent);

    CodableColor color() const { return m_color; }
    void setColor(const CodableColor& color);

signals:
    void colorChanged();

private:
    void pick();

    CodableColor m_color;
};

// The picked colour in device RGB; opaque white when it cannot be converted.
CodableColor codableColor(const QColor& color);
