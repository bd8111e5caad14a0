#pragma once

#include "base/programming_language.h"
#include "themes/editor_theme.h"

#include <QColor>
#include <QIcon>
#include <QObject>
#include <QPalette>
#include <QString>
#include <QVariant>
#include <optional>
#include <utility>

class ThemeSelection;
class QWidget;
struct CustomTheme;

// The window roles of a theme as the style paints them.
struct WindowColours {
    QColor background;
    QColor text;
    QColor lineNumber;
    QColor sidebar;
    QColor cursor;

    bool operator==(const WindowColours&) const = default;
};

// The built-in theme's colours, each replaced by the custom theme's when one is given.
WindowColours windowColours(EditorTheme theme, const CustomTheme* custom = nullptr);

QPalette themePalette(const WindowColours& window);
// The application's one style sheet. `welcome` colours the welcome screen,
// which keeps the built-in theme's colours while a custom theme is in force.
QString themeStyleSheet(const WindowColours& window, const WindowColours& welcome);

// The application's look: the palette and the style sheet of the theme in
// force, applied at construction and again whenever the theme changes.
// Widgets carry object names and properties the sheet targets, or read a
// role from their palette; none sets a colour or a sheet of its own.
class Style : public QObject {
    Q_OBJECT

public:
    explicit Style(const ThemeSelection& themes, QObject* parent = nullptr);

private:
    void apply();

    const ThemeSelection& m_themes;
    std::optional<std::pair<WindowColours, WindowColours>> m_applied;
};

// Sets a property the sheet matches (a verdict, a running state) and has
// the widget restyled when the value changed.
void setSheetProperty(QWidget* widget, const char* name, const QVariant& value);

// Marks a widget as a badge of `language`; the sheet gives it the language's colour.
void setBadge(QWidget* widget, ProgrammingLanguage language);
// Applies the sheet again to a widget after a property its rules match changed.
void repolish(QWidget* widget);
// The icon drawn in the red of destructive actions, at 80 % opacity.
QIcon destructiveIcon(const QIcon& icon);
