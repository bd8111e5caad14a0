#include "ui/style/style.h"

#include "editor/code_font.h"
#include "themes/theme_resolver.h"
#include "themes/theme_selection.h"
#include "ui/icons.h"
#include "ui/style/colors.h"
#include "ui/style/diff_colors.h"
#include "ui/style/problem_sheet.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QWidget>

namespace {

const char* const badgeProperty = "badge";

// Placeholders in angle brackets stand for colours; nothing else in a sheet
// uses them.
constexpr char16_t sheetTemplate[] = uR"(
QFrame#divider { background: <divider>; border: none; min-height: 1px; max-height: 1px; }

#editorHeader { background: <sidebar>; }
/* A theme change restyles the window after the editor took its colours,
   and a restyle puts back the palette a widget had when first styled. */
SyntaxTextView { background: <background>; }
#fileName { color: <text>; font-size: 13pt; font-weight: 500; }
#fontSizeGroup { background: <background-50>; border-radius: 6px; }
#fontSizeGroup QToolButton, #fontSizeLabel { color: <text-60>; }
#fontSizeLabel { font-family: <mono>; font-size: 11pt; }

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
    font-family: <mono>; font-size: 11pt; font-weight: 600;
}

QCheckBox::indicator {
    width: 14px; height: 14px; border: 1px solid <text-50>; border-radius: 4px;
    background: <background>;
}
QCheckBox::indicator:hover { border-color: <accent>; }
QCheckBox::indicator:checked {
    border-color: <accent>; background: <accent>; image: url(:/style/checkmark.svg);
}
QCheckBox::indicator:disabled { border-color: <text-40>; }
QCheckBox::indicator:checked:disabled { border-color: <accent-20>; background: <accent-20>; }

QPushButton[primary="true"] {
    background: <blue>; color: white; border: none; border-radius: 6px; padding: 5px 14px;
}
QPushButton[primary="true"]:disabled { background: <key-cap>; color: <text-40>; }

#helpPanel #sheetTitle { font-size: 18pt; font-weight: bold; }
#pageTitle { font-size: 16pt; font-weight: bold; }
#sectionHeading { font-size: 13pt; font-weight: bold; }
#secondaryText, #cardDescription, #helpKeyDescription { color: <text-60>; }
#cardTitle { font-weight: 600; }
#helpCard, #templateCard, #customThemeRow { background: <card>; border-radius: 10px; }
#customThemeRow[selected="true"] { border: 1px solid <blue>; }
#helpKey, #templateChip {
    background: <key-cap>; border-radius: 6px; padding: 4px 8px; font-weight: 600;
}
#helpKey { font-family: <mono>; }
#complexity { color: <orange>; font-size: 10pt; }
#insertButton { background: <key-cap>; border: none; border-radius: 6px; padding: 4px 14px; }
#categoryButton {
    background: transparent; color: <text>; border: none; border-radius: 6px;
    padding: 8px 12px; text-align: left;
}
#categoryButton:checked { background: <blue>; color: white; }
#colorField { text-align: left; padding: 4px 10px; }
#sectionList { background: <sidebar>; border: none; border-bottom-left-radius: 9px; }
#sectionList::item { padding: 6px 8px; border-radius: 6px; }
#sectionList::item:selected { background: <blue>; color: white; }
#toolbar { background: <sidebar>; border-bottom: 1px solid <divider>; }
#toolbarTitle { color: <text>; font-size: 15pt; font-weight: bold; }
#toolbarCaption { color: <text-50>; font-size: 9pt; }
#toolbar QToolButton { color: <text>; border: none; border-radius: 6px; padding: 5px; }
#toolbar QToolButton:hover, #tabBar QToolButton:hover { background: <hover>; }
#toolbar QToolButton:pressed, #tabBar QToolButton:pressed { background: <pressed>; }
#toolbar QToolButton#runButton { color: white; font-weight: 600; padding: 5px 10px; }
/* The toolbar's grey hover would make the green button look disabled. */
#toolbar QToolButton#runButton:hover, #runButton:hover { background: <green-hover>; }
#toolbar QToolButton#runButton:pressed, #runButton:pressed { background: <green-pressed>; }
#toolbar QToolButton#runButton[running="true"] { background: <orange>; }

#tabBar { background: <sidebar>; border-bottom: 1px solid <divider>; }
#tabScroll, #tabStrip { background: transparent; }
#tab { background: transparent; }
#tab:hover { background: <hover>; }
#tab[selected="true"] { background: <selected>; }
#tabName { color: <text>; font-size: 12pt; }
#tabBadge { font-size: 8pt; border-radius: 3px; }
#tabBar QToolButton { border: none; border-radius: 4px; padding: 2px; }

#sidebar { background: <sidebar>; }
#testPanel { background: <background>; border-top: 1px solid <divider>; }
QSplitter::handle { background: <sidebar>; }
#sidebarTitle { color: <text>; font-size: 13pt; font-weight: 600; }
#sidebarSection { color: <text-60>; font-size: 9pt; font-weight: 600; }
#sidebarHeader QToolButton { border: none; border-radius: 5px; padding: 3px; }
#sidebarHeader QToolButton:hover, QToolButton[languageCard]:hover { background: <hover>; }
#sidebarSearch {
    background: <background-50>; color: <text>; border: 1px solid <divider>;
    border-radius: 6px; padding: 3px 2px;
}
#sidebarSearch:focus { border-color: <accent>; }
#workspaceList { background: transparent; border: none; }
#workspaceList::item, #workspaceList::branch { background: transparent; }
#rootDropArea { border: 1px dashed <divider>; border-radius: 6px; margin: 0 8px; }
#rootDropHint { color: <text-60>; font-size: 9pt; }
#rootDropArea[dropHover="true"] { background: <accent-20>; border: 1px dashed <accent>; }
#rootDropArea[dropHover="true"] #rootDropHint { color: <accent>; }
#emptyText { color: <text-60>; font-size: 12pt; }
QToolButton[languageCard] {
    font-family: <mono>; font-size: 9pt; font-weight: bold;
    border: 1px solid transparent; border-radius: 5px; padding: 4px 2px;
}
QToolButton[languageCard]:checked { background: <accent-20>; border-color: <accent>; }
QToolButton[card="true"] {
    background: <card>; color: <text>; border: 1px solid <divider>; border-radius: 10px;
    padding: 6px;
}
QToolButton[card="true"]:hover { border-color: <accent>; }
QToolButton[card="true"]:checked { background: <accent-20>; border: 2px solid <accent>; }
#sheetTitle { font-size: 14pt; font-weight: bold; }
QDialog[sheet="true"] { background: <background>; border: 1px solid <divider>; border-radius: 10px; }
#sectionTitle { font-weight: bold; }
#fileExtension { color: <text-60>; font-family: <mono>; }
#sheetError { color: <error>; }
#testPanel, #testCaseList, #testCaseListContent, #consoleView, #stressPane {
    background: <background>;
}
#testPanelHeader, #testCaseBar { background: <sidebar>; }
#testPanelTab {
    color: <text-60>; background: transparent; border: none; border-radius: 6px;
    padding: 8px 14px; font-size: 12pt; font-weight: 500;
}
#testPanelTab:checked { color: white; background: <blue>; }
#passSummary { color: <text-60>; font-size: 11pt; padding: 4px 10px; }
#passSummary[allPassed="true"] { color: <green>; }
#runButton, #stressButton {
    color: white; background: <green>; border: none; border-radius: 6px;
    padding: 8px 16px; font-size: 12pt; font-weight: 600;
}
#runButton:disabled, #stressButton:disabled { background: <green-50>; }
#runButton[running="true"], #stressButton[running="true"] { background: <orange>; }
#stressProgress, #stressGuide { color: <text-60>; font-size: 11pt; }
#stressHeadline { color: <text>; }
#stressHeadline[verdict="fail"] { color: <red>; }

#testCaseCard { background: <sidebar>; border-radius: 8px; }
#caseTitle { color: <text>; font-size: 12pt; }
#caseTime { color: <text-60>; font-size: 10pt; }
#caseBadge { border-radius: 4px; }
#caseBadge QLabel { font-size: 10pt; font-weight: 500; }
#caseBadge[verdict="pass"] { background: <green-15>; }
#caseBadgeText[verdict="pass"] { color: <green>; }
#caseBadge[verdict="fail"] { background: <red-15>; }
#caseBadgeText[verdict="fail"] { color: <red>; }
#fieldTitle { color: <text-60>; font-size: 10pt; }
#caseEditor, #actualOutput, #consoleText {
    font-family: <mono>; font-size: 11pt; color: <text>; background: <background>;
}
#caseEditor { border: 1px solid <divider>; border-radius: 6px; }
#actualOutput { border: none; }
#actualOutputFrame { background: <background>; border: 1px solid <grey>; border-radius: 6px; }
#actualOutputFrame[verdict="pass"] { border-color: <green>; }
#actualOutputFrame[verdict="fail"] { border-color: <red>; }
#consoleTitle { color: <text>; font-size: 13pt; font-weight: 600; }
#consoleText { border: none; font-size: 12pt; }
#settingsHeader, #settingsTabs { background: <sidebar>; }
#settingsHeader #sheetTitle { font-size: 18pt; font-weight: 600; }
#settingsTabs { border: none; padding: 6px; }
#settingsTabs::item { padding: 5px 4px; border-radius: 6px; color: <text>; }
#settingsTabs::item:selected { background: <accent>; color: white; }
#pageTitle { font-size: 16pt; font-weight: 600; }
#settingHeading, #changelogVersion { font-weight: 600; }
#caption, #note, #shortcutCategory { color: <text-60>; font-size: 10pt; }
#warningText { color: <warning>; }
#sizeValue { font-family: <mono>; font-size: 12pt; }
#snippetTrigger { font-family: <mono>; color: <accent>; }
#snippetCode, #compilerTool, #compilerOptions { font-family: <mono>; }
#snippetExamples, #compilerTable, #shortcutList, #changelogEntry {
    background: <sidebar>; border-radius: 8px;
}
#keyCap {
    background: <key-cap>; border-radius: 4px; padding: 2px 6px;
    font-family: <mono>; font-weight: 600;
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

QString badgeRules(const QColor& background) {
    QString rules;
    for (ProgrammingLanguage language : allLanguages()) {
        const QString extension = fileExtension(language);
        const QString colour = css(badgeColor(language, background));
        rules += QStringLiteral("*[badge=\"%1\"] { background: %2; }\n").arg(extension, colour);
        // Small language pickers show the label itself in the colour.
        rules += QStringLiteral("QToolButton[languageCard=\"%1\"] { color: %2; }\n")
                     .arg(extension, colour);
    }
    return rules;
}

// The selection and focus colour, as the desktop's accent.
QColor accent() {
    return standardColor(QStringLiteral("blue"));
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
    palette.setColor(QPalette::Highlight, accent());
    // Rich-text links take these; Qt's own blue is unreadable on a dark theme.
    const QColor link = standingOut(accent(), window.background, 4.5);
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::LinkVisited, link);
    return palette;
}

QString themeStyleSheet(const WindowColours& window, const WindowColours& welcome) {
    const std::pair<const char16_t*, QColor> colours[] = {
        {u"<background>", window.background},
        {u"<background-50>", withAlpha(window.background, 0.5)},
        {u"<text>", window.text},
        {u"<text-60>", withAlpha(window.text, 0.6)},
        {u"<text-50>", withAlpha(window.text, 0.5)},
        {u"<hover>", withAlpha(window.text, 0.08)},
        {u"<pressed>", withAlpha(window.text, 0.16)},
        {u"<selected>", withAlpha(window.text, 0.1)},
        {u"<sidebar>", window.sidebar},
        {u"<welcome-background>", welcome.background},
        {u"<welcome-text>", welcome.text},
        {u"<welcome-text-60>", withAlpha(welcome.text, 0.6)},
        {u"<welcome-sidebar>", welcome.sidebar},
        {u"<divider>", neutralGrey(0.3)},
        {u"<key-cap>", neutralGrey(0.25)},
        {u"<card>", neutralGrey(0.12)},
        {u"<text-40>", withAlpha(window.text, 0.4)},
        {u"<blue>", standardColor(QStringLiteral("blue"))},
        {u"<orange>", standardColor(QStringLiteral("orange"))},
        {u"<accent>", accent()},
        {u"<accent-20>", withAlpha(accent(), 0.2)},
        {u"<error>", standardColor(QStringLiteral("red"))},
        {u"<grey>", standardColor(QStringLiteral("gray"))},
        {u"<green>", standardColor(QStringLiteral("green"))},
        {u"<green-15>", withAlpha(standardColor(QStringLiteral("green")), 0.15)},
        {u"<green-50>", withAlpha(standardColor(QStringLiteral("green")), 0.5)},
        {u"<green-hover>", standardColor(QStringLiteral("green")).darker(112)},
        {u"<green-pressed>", standardColor(QStringLiteral("green")).darker(125)},
        {u"<red>", standardColor(QStringLiteral("red"))},
        {u"<red-15>", withAlpha(standardColor(QStringLiteral("red")), 0.15)},
        {u"<warning>", standardColor(QStringLiteral("orange"))},
        {u"<destructive>", standardColor(QStringLiteral("red"))},
    };
    QString sheet = QString::fromUtf16(sheetTemplate);
    for (const auto& [placeholder, colour] : colours)
        sheet.replace(QString::fromUtf16(placeholder), css(colour));
    sheet += badgeRules(window.background) + problemTabSheet(window) + diffViewSheet(window);
    // The family by its own name: the generic one is chosen again per script.
    return sheet.replace(QStringLiteral("<mono>"),
                         QLatin1Char('"') + fixedPitchFont().family() + QLatin1Char('"'));
}

Style::Style(const ThemeSelection& themes, QObject* parent) : QObject(parent), m_themes(themes) {
    connect(&m_themes, &ThemeSelection::themeChanged, this, &Style::apply);
    connect(&m_themes, &ThemeSelection::useCustomThemeChanged, this, &Style::apply);
    connect(&m_themes, &ThemeSelection::selectedCustomThemeChanged, this, &Style::apply);
    apply();
}

void Style::apply() {
    auto colours = std::make_pair(windowColours(m_themes.theme(), m_themes.activeCustomTheme()),
                                  windowColours(m_themes.theme()));
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
    repolish(widget);
}

// The sheet matches properties when a widget is polished.
void repolish(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

QIcon destructiveIcon(const QIcon& icon) {
    const QColor red = withAlpha(standardColor(QStringLiteral("red")), 0.8);
    QIcon tinted;
    for (int side : {16, 22, 32, 48}) {
        QPixmap pixmap = icon.pixmap(side);
        if (pixmap.isNull())
            continue;
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), red);
        painter.end();
        tinted.addPixmap(pixmap);
    }
    return tinted;
}

void setSheetProperty(QWidget* widget, const char* name, const QVariant& value) {
    if (widget->property(name) == value)
        return;
    widget->setProperty(name, value);
    repolish(widget);
}
