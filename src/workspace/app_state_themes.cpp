#include "workspace/app_state.h"

#include "themes/share_code.h"
#include "themes/theme_resolver.h"

#include <algorithm>

namespace {

const QString keyCustomThemes = QStringLiteral("customThemes");
const QString keyCustomThemesUnreadable = QStringLiteral("customThemesUnreadable");

} // namespace

const CustomTheme* AppState::activeCustomTheme() const {
    if (m_useCustomTheme && m_selectedCustomTheme)
        return &*m_selectedCustomTheme;
    return nullptr;
}

void AppState::setTheme(EditorTheme theme) {
    if (m_theme == theme)
        return;
    m_theme = theme;
    emit themeChanged();
}

void AppState::setUseCustomTheme(bool use) {
    if (m_useCustomTheme == use)
        return;
    m_useCustomTheme = use;
    emit useCustomThemeChanged();
}

void AppState::setSelectedCustomTheme(const std::optional<CustomTheme>& theme) {
    if (m_selectedCustomTheme == theme)
        return;
    m_selectedCustomTheme = theme;
    emit selectedCustomThemeChanged();
}

void AppState::selectCustomTheme(const CustomTheme& theme) {
    setSelectedCustomTheme(theme);
    setUseCustomTheme(true);
}

void AppState::selectBuiltInTheme(EditorTheme theme) {
    setTheme(theme);
    setUseCustomTheme(false);
    setSelectedCustomTheme(std::nullopt);
}

void AppState::loadCustomThemes() {
    if (!m_settings.contains(keyCustomThemes))
        return;
    const QByteArray bytes = m_settings.data(keyCustomThemes);
    std::optional<QList<CustomTheme>> themes = decodeCustomThemes(bytes);
    if (!themes) {
        // The next save would replace every theme the user made because one
        // entry is damaged; keep the bytes where a save never writes. Both keys
        // live in the same store, so if this write fails that save fails too.
        if (!bytes.isEmpty())
            m_settings.setData(keyCustomThemesUnreadable, bytes);
        return;
    }
    m_customThemes = *themes;
    emit customThemesChanged();
}

void AppState::saveCustomThemes() {
    if (const std::optional<QByteArray> bytes = encodeCustomThemes(m_customThemes))
        m_settings.setData(keyCustomThemes, *bytes);
}

void AppState::addCustomTheme(const CustomTheme& theme) {
    m_customThemes.append(theme);
    emit customThemesChanged();
    saveCustomThemes();
}

void AppState::updateCustomTheme(const CustomTheme& theme) {
    const auto entry = std::find_if(m_customThemes.begin(), m_customThemes.end(),
                                    [&](const CustomTheme& other) { return other.id == theme.id; });
    if (entry == m_customThemes.end())
        return;
    *entry = theme;
    emit customThemesChanged();
    if (m_selectedCustomTheme && m_selectedCustomTheme->id == theme.id)
        setSelectedCustomTheme(theme);
    saveCustomThemes();
}

void AppState::deleteCustomTheme(const QUuid& id) {
    if (m_customThemes.removeIf([&](const CustomTheme& theme) { return theme.id == id; }) > 0)
        emit customThemesChanged();
    if (m_selectedCustomTheme && m_selectedCustomTheme->id == id) {
        setSelectedCustomTheme(std::nullopt);
        setUseCustomTheme(false);
    }
    saveCustomThemes();
}

std::optional<QString> AppState::importShareCode(const QString& text) {
    auto result = ::importShareCode(text, m_customThemes);
    if (const QString* message = std::get_if<QString>(&result))
        return *message;
    addCustomTheme(std::get<CustomTheme>(result));
    return std::nullopt;
}

Rgba AppState::themeBackground() const {
    return resolveColor(ThemeRole::background, m_theme, activeCustomTheme());
}

Rgba AppState::themeText() const {
    return resolveColor(ThemeRole::textColor, m_theme, activeCustomTheme());
}

Rgba AppState::themeLineNumber() const {
    return resolveColor(ThemeRole::lineNumberColor, m_theme, activeCustomTheme());
}

Rgba AppState::themeSidebar() const {
    return resolveColor(ThemeRole::sidebarBackground, m_theme, activeCustomTheme());
}

Rgba AppState::themeCursor() const {
    return resolveColor(ThemeRole::cursorColor, m_theme, activeCustomTheme());
}
