#pragma once

#include "base/programming_language.h"

#include <QObject>
#include <QSettings>
#include <QString>

// The user's preferences in the platform's settings store (organisation and
// application "Corvanta"). A value reads its default while its key is absent;
// defaults are never written until a value is first set.
class SettingsStore : public QObject {
    Q_OBJECT

public:
    explicit SettingsStore(QObject* parent = nullptr);

    int tabSize() const;
    bool useSpacesForTab() const;
    bool autoIndent() const;
    bool showLineNumbers() const;
    bool highlightCurrentLine() const;
    bool wordWrap() const;
    int executionTimeout() const;
    bool autoBracket() const;
    bool snippetsEnabled() const;
    bool typingRandomEnabled() const;
    QString fontName() const;
    double baekjoonFontSize() const;
    bool hasSeenOnboarding() const;
    // The user's starter text for a language; empty for Text.
    QString starterTemplate(ProgrammingLanguage language) const;

    void setTabSize(int value);
    void setUseSpacesForTab(bool value);
    void setAutoIndent(bool value);
    void setShowLineNumbers(bool value);
    void setHighlightCurrentLine(bool value);
    void setWordWrap(bool value);
    void setExecutionTimeout(int value);
    void setAutoBracket(bool value);
    void setSnippetsEnabled(bool value);
    void setTypingRandomEnabled(bool value);
    void setFontName(const QString& value);
    void setBaekjoonFontSize(double value);
    void setHasSeenOnboarding(bool value);
    // Ignored for Text, which has no template key.
    void setStarterTemplate(ProgrammingLanguage language, const QString& value);

    // Raw access for values stored as one blob (the custom theme list).
    QByteArray data(const QString& key) const;
    void setData(const QString& key, const QByteArray& value);
    bool contains(const QString& key) const;

    // Removes every key of the application and writes the store to disk.
    void clear();

signals:
    // Emitted with the key of every value written.
    void valueChanged(const QString& key);
    // One of the values the editor reads was written.
    void editorSettingsChanged();

private:
    QVariant read(const QString& key, const QVariant& fallback) const;
    void write(const QString& key, const QVariant& value);

    mutable QSettings m_settings;
};
