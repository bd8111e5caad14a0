#pragma once

#include "themes/custom_theme.h"

#include <QWidget>

// Nine numbered lines of C++ on the theme's background, coloured by the
// editor's own highlighter with the theme's colours, as the editor would
// show them.
class ThemePreview : public QWidget {
    Q_OBJECT

public:
    explicit ThemePreview(QWidget* parent);

    void setTheme(const CustomTheme& theme);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CustomTheme m_theme;
};
