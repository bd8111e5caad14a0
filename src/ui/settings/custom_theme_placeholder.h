#pragma once

#include <QWidget>

class AppState;

// Stands in the custom theme tab until the management section lands; it
// takes the section's constructor arguments, so replacing it is one line in
// settings_window.cpp.
class CustomThemeSectionPlaceholder : public QWidget {
    Q_OBJECT

public:
    CustomThemeSectionPlaceholder(AppState& state, QWidget* parent = nullptr);
};
