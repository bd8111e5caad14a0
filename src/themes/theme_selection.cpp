#include "themes/theme_selection.h"

#include "themes/share_code.h"
#include "themes/theme_resolver.h"

#include <algorithm>

namespace {

const QString keyCustomThemes = QStringLiteral("customThemes");
const QString keyCustomThemesUnreadable = QStringLiteral("customThemesUnreadable");

} // namespace

ThemeSelection::ThemeSelection(ThemeStorage& storage, QObject* parent)
    : QObject(parent), m_storage(storage) {
    loadCustomThemes();
}

const CustomTheme* ThemeSelection::activeCustomTheme() const {
    if (m_useCustomTheme && m_selectedCustomTheme)
        return &*m_selectedCustomTheme;
    return nullptr;
}

void ThemeSelection::setTheme(EditorTheme theme) {
    if (m_theme == theme)
        return;
    m_theme = theme;
    emit themeChanged();
}

void ThemeSelection::setUseCustomTheme(bool use) {
    if (m_useCustomTheme == use)
        return;
    m_useCustomTheme = use;
    emit useCustomThemeChanged();
}

void ThemeSelection::setSelectedCustomTheme(const std::optional<CustomTheme>& theme) {
    if (m_selectedCustomTheme == theme)
        return;
    m_selectedCustomTheme = theme;
    emit selectedCustomThemeChanged();
}

void ThemeSelection::selectCustomTheme(const CustomTheme& theme) {
    setSelectedCustomTheme(theme);
    setUseCustomTheme(true);
}

void ThemeSelection::selectBuiltInTheme(EditorTheme theme) {
    setTheme(theme);
    setUseCustomTheme(false);
    setSelectedCustomTheme(std::nullopt);
}

void ThemeSelection::loadCustomThemes() {
    if (!m_storage.contains(keyCustomThemes))
        return;
    const QByteArray bytes = m_storage.data(keyCustomThemes);
    std::optional<QList<CustomTheme>> themes = decodeCustomThemes(bytes);
    if (!themes) {
        // The next save would replace every theme the user made because one
        // entry is damaged; keep the bytes where a save never writes. Both keys
        // live in the same store, so if this write fails that save fails too.
        if (!bytes.isEmpty())
            m_storage.setData(keyCustomThemesUnreadable, bytes);
        return;
    }
    m_customThemes = *themes;
    emit customThemesChanged();
}

void ThemeSelection::saveCustomThemes() {
    if (const std::optional<QByteArray> bytes = encodeCustomThemes(m_customThemes))
        m_storage.setData(keyCustomThemes, *bytes);
}

void ThemeSelection::addCustomTheme(const CustomTheme& theme) {
    m_customThemes.append(theme);
    emit customThemesChanged();
    saveCustomThemes();
}

void ThemeSelection::updateCustomTheme(const CustomTheme& theme) {
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

void ThemeSelection::deleteCustomTheme(const QUuid& id) {
    if (m_customThemes.removeIf([&](const CustomTheme& theme) { return theme.id == id; }) > 0)
        emit customThemesChanged();
    if (m_selectedCustomTheme && m_selectedCustomTheme->id == id) {
        setSelectedCustomTheme(std::nullopt);
        setUseCustomTheme(false);
    }
    saveCustomThemes();
}

std::optional<QString> ThemeSelection::importShareCode(const QString& text) {
    auto result = ::importShareCode(text, m_customThemes);
    if (const QString* message = std::get_if<QString>(&result))
        return *message;
    addCustomTheme(std::get<CustomTheme>(result));
    return std::nullopt;
}

void ThemeSelection::reset() {
    setUseCustomTheme(false);
    setSelectedCustomTheme(std::nullopt);
    if (!m_customThemes.isEmpty()) {
        m_customThemes.clear();
        emit customThemesChanged();
    }
    setTheme(EditorTheme::dark);
}

Rgba ThemeSelection::themeBackground() const {
    return resolveColor(ThemeRole::background, m_theme, activeCustomTheme());
}

Rgba ThemeSelection::themeText() const {
    return resolveColor(ThemeRole::textColor, m_theme, activeCustomTheme());
}

Rgba ThemeSelection::themeLineNumber() const {
    return resolveColor(ThemeRole::lineNumberColor, m_theme, activeCustomTheme());
}

Rgba ThemeSelection::themeSidebar() const {
    return resolveColor(ThemeRole::sidebarBackground, m_theme, activeCustomTheme());
}

Rgba ThemeSelection::themeCursor() const {
    return resolveColor(ThemeRole::cursorColor, m_theme, activeCustomTheme());
}
