#include "ui/style/style.h"

#include "themes/theme_resolver.h"
#include "ui/icons.h"
#include "ui/style/colors.h"
#include "workspace/app_state.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

namespace {

const char* const badgeProperty = "badge";

// Placeholders in angle brackets stand for colours; nothing else in a sheet
// uses them.
constexpr char16_t sheetTemplate[] = uR"(
QFrame#divider { background: <divider>; border: none; min-height: 1px; max-height: 1px; }

#editorHeader { background: <sidebar>; }
#fileName { color: <text>; font-size: 13pt; font-weight: 500; }
#fontSizeGroup { background: <background-50>; border-radius: 6px; }
#fontSizeGroup QToolButton, #fontSizeLabel { color: <text-60>; }
#fontSizeLabel { font-family: monospace; font-size: 11pt; }

#statusBar { background: <background>; }
#statusBar QLabel { color: <text-60>; font-size: 10pt; }
#statusBar QLabel#languageName { font-size: 11pt; font-weight: 500; }
#languageDot { border-radius: 4px; }

QLabel[badge] { color: white; font-weight: bold; border-radius: 4px; padding: 0 3px; }
#editorHeader QLabel[badge] { font-size: 9pt; }

#welcome { background: <welcome-background>; }
#mascot { font-size: 60pt; }
#productName { font-size: 24pt; }
#greeting { font-size: 14pt; }
#shortcutHeading { font-size: 13pt; }
#mascot, #productName, #greeting, #shortcutHeading, #cardName, #shortcutKey {
    color: <welcome-text>;
}
#shortcutDescription { color: <welcome-text-60>; }
#welcome QPushButton { background: <welcome-sidebar>; border: none; border-radius: 10px; }
#welcome QLabel[badge] { font-size: 12pt; border-radius: 6px; }
#shortcutKey {
    background: <key-cap>; border-radius: 4px; padding: 2px 6px;
    font-family: monospace; font-size: 11pt; font-weight: 600;
}

#settingsHeader, #settingsTabs { background: <sidebar>; }
#settingsTitle { font-size: 18pt; font-weight: 600; }
#settingsTabs { border: none; padding: 6px; }
#settingsTabs::item { padding: 5px 4px; border-radius: 6px; color: <text>; }
#settingsTabs::item:selected { background: <accent>; color: white; }
#pageTitle { font-size: 16pt; font-weight: 600; }
#settingHeading, #changelogVersion { font-weight: 600; }
#caption, #note, #shortcutCategory { color: <text-60>; font-size: 10pt; }
#warningText { color: <warning>; }
#sizeValue { font-family: monospace; font-size: 12pt; }
#snippetTrigger { font-family: monospace; color: <accent>; }
#snippetCode, #compilerTool, #compilerOptions { font-family: monospace; }
#snippetExamples, #compilerTable, #shortcutList, #changelogEntry {
    background: <sidebar>; border-radius: 8px;
}
#keyCap {
    background: <key-cap>; border-radius: 4px; padding: 2px 6px;
    font-family: monospace; font-weight: 600;
}
QPushButton#themeButton, QPushButton#segment {
    background: <sidebar>; color: <text>; border: 1px solid <divider>; padding: 5px 10px;
}
QPushButton#themeButton { border-radius: 6px; }
QPushButton#themeButton:checked { border: 2px solid <accent>; }
QPushButton#segment:checked { background: <accent>; color: white; border-color: <accent>; }
QPushButton#segment[segment="first"] { border-top-left-radius: 6px; border-bottom-left-radius: 6px; }
QPushButton#segment[segment="last"] { border-top-right-radius: 6px; border-bottom-right-radius: 6px; }
QPushButton#segment[segment="only"] { border-radius: 6px; }
QPushButton[destructive="true"] { color: <destructive>; }
#logo { font-size: 48pt; }
#aboutName { font-size: 20pt; font-weight: 600; }
)";

QString css(const QColor& color) {
    return color.name(QColor::HexArgb);
}

// Neutral grey reads on light and dark themes alike.
QColor neutralGrey(double alpha) {
    return withAlpha(QColor(128, 128, 128), alpha);
}

QString badgeRules() {
    QString rules;
    for (ProgrammingLanguage language : allLanguages())
        rules += QStringLiteral("*[badge=\"%1\"] { background: %2; }\n")
                     .arg(fileExtension(language), css(badgeColor(language)));
    return rules;
}

} // namespace

WindowColours windowColours(EditorTheme theme, const CustomTheme* custom) {
    const auto role = [&](ThemeRole role) { return toQColor(resolveColor(role, theme, custom)); };
    return {role(ThemeRole::background), role(ThemeRole::textColor),
            role(ThemeRole::lineNumberColor), role(ThemeRole::sidebarBackground),
            role(ThemeRole::cursorColor)};
}

QPalette themePalette(const WindowColours& window) {
    // Derives the bevel shades from the two backgrounds; the texts follow the theme.
    QPalette palette(window.sidebar, window.background);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText}) {
        palette.setColor(QPalette::Active, role, window.text);
        palette.setColor(QPalette::Inactive, role, window.text);
        palette.setColor(QPalette::Disabled, role, withAlpha(window.text, 0.4));
    }
    palette.setColor(QPalette::Base, window.background);
    palette.setColor(QPalette::AlternateBase, window.sidebar);
    palette.setColor(QPalette::ToolTipBase, window.sidebar);
    palette.setColor(QPalette::PlaceholderText, withAlpha(window.text, 0.5));
    return palette;
}

QString themeStyleSheet(const WindowColours& window, const WindowColours& welcome) {
    const std::pair<const char16_t*, QColor> colours[] = {
        {u"<background>", window.background},
        {u"<background-50>", withAlpha(window.background, 0.5)},
        {u"<text>", window.text},
        {u"<text-60>", withAlpha(window.text, 0.6)},
        {u"<sidebar>", window.sidebar},
        {u"<welcome-background>", welcome.background},
        {u"<welcome-text>", welcome.text},
        {u"<welcome-text-60>", withAlpha(welcome.text, 0.6)},
        {u"<welcome-sidebar>", welcome.sidebar},
        {u"<divider>", neutralGrey(0.3)},
        {u"<key-cap>", neutralGrey(0.25)},
        {u"<accent>", standardColor(QStringLiteral("blue"))},
        {u"<warning>", standardColor(QStringLiteral("orange"))},
        {u"<destructive>", standardColor(QStringLiteral("red"))},
    };
    QString sheet = QString::fromUtf16(sheetTemplate);
    for (const auto& [placeholder, colour] : colours)
        sheet.replace(QString::fromUtf16(placeholder), css(colour));
    return sheet + badgeRules();
}

Style::Style(const AppState& state, QObject* parent) : QObject(parent), m_state(state) {
    connect(&m_state, &AppState::themeChanged, this, &Style::apply);
    connect(&m_state, &AppState::useCustomThemeChanged, this, &Style::apply);
    connect(&m_state, &AppState::selectedCustomThemeChanged, this, &Style::apply);
    apply();
}

void Style::apply() {
    auto colours = std::make_pair(windowColours(m_state.theme(), m_state.activeCustomTheme()),
                                  windowColours(m_state.theme()));
    // A theme pick changes up to three fields one after another; setting
    // the same sheet again would restyle every widget for nothing.
    if (m_applied == colours)
        return;
    matchIconsToBackground(colours.first.background);
    QApplication::setPalette(themePalette(colours.first));
    qApp->setStyleSheet(themeStyleSheet(colours.first, colours.second));
    m_applied = std::move(colours);
}

void setBadge(QWidget* widget, ProgrammingLanguage language) {
    const QString value = fileExtension(language);
    if (widget->property(badgeProperty).toString() == value)
        return;
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setProperty(badgeProperty, value);
    // The sheet matches properties when a widget is polished.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}
