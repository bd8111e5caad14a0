#pragma once

#include "base/programming_language.h"
#include "themes/theme_selection.h"
#include "workspace/settings_values.h"

#include <QByteArray>
#include <QObject>
#include <QSettings>

// The user's preferences in the platform's settings store, under the
// application identity (setAppIdentity). Each group is read whole from its
// keys: a key that is absent or holds a value of another type reads as the
// group's default, and a number is clamped to what the program can use (the
// file itself keeps what it holds). Saving a group writes only the keys whose
// value changed, so a default is never written until the user changes a
// setting, and announces the group's new value.
class SettingsStore : public QObject, public ThemeStorage {
    Q_OBJECT

public:
    explicit SettingsStore(QObject* parent = nullptr);

    EditorSettings editor() const;
    IndentationSettings indentation() const;
    TypingAidSettings typingAids() const;
    ExecutionSettings execution() const;
    TemplateSettings templates() const;
    ProblemTabSettings problemTab() const;
    ReceivingSettings receiving() const;
    OnboardingSettings onboarding() const;

    // Numbers are clamped as on reading before they are compared and stored.
    void setEditor(const EditorSettings& value);
    void setIndentation(const IndentationSettings& value);
    void setTypingAids(const TypingAidSettings& value);
    void setExecution(const ExecutionSettings& value);
    void setTemplates(const TemplateSettings& value);
    void setProblemTab(const ProblemTabSettings& value);
    void setReceiving(const ReceivingSettings& value);
    void setOnboarding(const OnboardingSettings& value);

    // Raw access for values stored as one blob (the custom theme list).
    QByteArray data(const QString& key) const override;
    void setData(const QString& key, const QByteArray& value) override;
    bool contains(const QString& key) const override;

    // Removes every key of the application, writes the store to disk and
    // announces each group whose value that changed.
    void clear();

signals:
    void editorChanged(const EditorSettings& value);
    void indentationChanged(const IndentationSettings& value);
    void typingAidsChanged(const TypingAidSettings& value);
    void executionChanged(const ExecutionSettings& value);
    void templatesChanged(const TemplateSettings& value);
    void problemTabChanged(const ProblemTabSettings& value);
    void receivingChanged(const ReceivingSettings& value);
    void onboardingChanged(const OnboardingSettings& value);

private:
    template <typename Group> Group load() const;
    template <typename Group> void save(Group value);
    void announce(const EditorSettings& value) { emit editorChanged(value); }
    void announce(const IndentationSettings& value) { emit indentationChanged(value); }
    void announce(const TypingAidSettings& value) { emit typingAidsChanged(value); }
    void announce(const ExecutionSettings& value) { emit executionChanged(value); }
    void announce(const TemplateSettings& value) { emit templatesChanged(value); }
    void announce(const ProblemTabSettings& value) { emit problemTabChanged(value); }
    void announce(const ReceivingSettings& value) { emit receivingChanged(value); }
    void announce(const OnboardingSettings& value) { emit onboardingChanged(value); }

    QSettings m_settings;
};

// Every group's keys with their type, default and usable range, as one
// indented JSON array: what a settings file without that key reads as.
QByteArray settingsDefaultsJson();
