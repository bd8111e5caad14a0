#pragma once

#include "base/rgba.h"
#include "themes/custom_theme.h"
#include "themes/editor_theme.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <optional>

// Where the custom theme list outlives the run: one blob under a key.
class ThemeStorage {
public:
    virtual ~ThemeStorage() = default;
    virtual QByteArray data(const QString& key) const = 0;
    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual bool contains(const QString& key) const = 0;
};

// The theme in force: a built-in choice, or a custom theme while it is turned
// on, and the user's custom themes. Only the custom theme list is stored (key
// customThemes); the choice starts anew every run.
class ThemeSelection : public QObject {
    Q_OBJECT

public:
    // Reads the custom theme list from the storage.
    explicit ThemeSelection(ThemeStorage& storage, QObject* parent = nullptr);

    EditorTheme theme() const { return m_theme; }
    const QList<CustomTheme>& customThemes() const { return m_customThemes; }
    const std::optional<CustomTheme>& selectedCustomTheme() const { return m_selectedCustomTheme; }
    bool useCustomTheme() const { return m_useCustomTheme; }
    // The custom theme in force: the selected one while useCustomTheme is on, else null.
    const CustomTheme* activeCustomTheme() const;

    void setTheme(EditorTheme theme);
    void setUseCustomTheme(bool use);
    void setSelectedCustomTheme(const std::optional<CustomTheme>& theme);
    // What the theme pickers do: a custom theme is selected and turned on; a
    // built-in one becomes `theme` and turns the custom theme off.
    void selectCustomTheme(const CustomTheme& theme);
    void selectBuiltInTheme(EditorTheme theme);

    // Replaces the list from the storage; an absent or unreadable entry leaves
    // it alone, and unreadable bytes are first copied to customThemesUnreadable
    // so a later save cannot destroy them.
    void loadCustomThemes();
    // Stores the list; nothing is written when it cannot be encoded.
    void saveCustomThemes();
    void addCustomTheme(const CustomTheme& theme);
    // Replaces the entry with the theme's id (and the selection's copy) and
    // saves; nothing happens when no entry has that id.
    void updateCustomTheme(const CustomTheme& theme);
    // Removes every entry with the id; deleting the selected theme turns the
    // custom theme off.
    void deleteCustomTheme(const QUuid& id);
    // Adds the theme of a share code and saves; nullopt on success, otherwise
    // the message for the user (the list is then unchanged).
    std::optional<QString> importShareCode(const QString& text);
    // Back to Dark with no custom themes, storing nothing: the storage is
    // being emptied by a full reset.
    void reset();

    Rgba themeBackground() const;
    Rgba themeText() const;
    Rgba themeLineNumber() const;
    Rgba themeSidebar() const;
    Rgba themeCursor() const;

signals:
    void themeChanged();
    void customThemesChanged();
    void selectedCustomThemeChanged();
    void useCustomThemeChanged();

private:
    ThemeStorage& m_storage;
    EditorTheme m_theme = EditorTheme::dark;
    QList<CustomTheme> m_customThemes;
    std::optional<CustomTheme> m_selectedCustomTheme;
    bool m_useCustomTheme = false;
};
