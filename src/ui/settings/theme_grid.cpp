#include "ui/settings/theme_grid.h"

#include "themes/theme_selection.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// The page is as wide as the window allows: four columns of at least 100 px.
constexpr int columns = 4;
const char* const builtInProperty = "builtInTheme";
const char* const customProperty = "customThemeId";

} // namespace

ThemeGrid::ThemeGrid(ThemeSelection& themes, QWidget* parent)
    : QWidget(parent), m_themes(themes), m_grid(new QGridLayout),
      m_buttons(new QButtonGroup(this)) {
    m_grid->setSpacing(8);
    // The check follows the theme in force, so pressing the chosen button
    // again must not clear it: showChoice sets every check.
    m_buttons->setExclusive(false);
    m_note =
        new QLabel(QStringLiteral("커스텀 테마는 '커스텀 테마' 탭에서 관리할 수 있어요"), this);
    m_note->setObjectName(QStringLiteral("note"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_grid);
    column->addWidget(m_note);

    connect(&m_themes, &ThemeSelection::customThemesChanged, this, &ThemeGrid::rebuild);
    connect(&m_themes, &ThemeSelection::themeChanged, this, &ThemeGrid::showChoice);
    connect(&m_themes, &ThemeSelection::useCustomThemeChanged, this, &ThemeGrid::showChoice);
    connect(&m_themes, &ThemeSelection::selectedCustomThemeChanged, this, &ThemeGrid::showChoice);
    rebuild();
}

void ThemeGrid::rebuild() {
    for (QAbstractButton* button : m_buttons->buttons())
        delete button;
    const auto add = [this](const QString& name) {
        auto* button = new QPushButton(name, this);
        button->setObjectName(QStringLiteral("themeButton"));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumWidth(100);
        const int index = int(m_buttons->buttons().size());
        m_buttons->addButton(button);
        m_grid->addWidget(button, index / columns, index % columns);
        return button;
    };
    for (EditorTheme theme : allEditorThemes()) {
        QPushButton* button = add(rawValue(theme));
        button->setProperty(builtInProperty, int(theme));
        // Toggled, not clicked: a screen reader's action toggles.
        connect(button, &QPushButton::toggled, this, [this, theme](bool checked) {
            if (!checked)
                return;
            m_themes.selectBuiltInTheme(theme);
            showChoice();
        });
    }
    for (const CustomTheme& theme : m_themes.customThemes()) {
        QPushButton* button = add(theme.name);
        button->setProperty(customProperty, theme.id);
        connect(button, &QPushButton::toggled, this, [this, id = theme.id](bool checked) {
            if (!checked)
                return;
            for (const CustomTheme& custom : m_themes.customThemes()) {
                if (custom.id == id)
                    m_themes.selectCustomTheme(custom);
            }
            showChoice();
        });
    }
    m_note->setVisible(!m_themes.customThemes().isEmpty());
    showChoice();
}

void ThemeGrid::showChoice() {
    const CustomTheme* custom = m_themes.activeCustomTheme();
    for (QAbstractButton* button : m_buttons->buttons()) {
        const QVariant builtIn = button->property(builtInProperty);
        const QSignalBlocker quiet(button);
        button->setChecked(custom ? button->property(customProperty).toUuid() == custom->id
                                  : builtIn.isValid() && builtIn.toInt() == int(m_themes.theme()));
    }
}
