#pragma once

#include "base/programming_language.h"
#include "library/starter_code.h"

#include <QString>

// The user's preferences as plain values, one struct per group. A
// default-constructed group holds the defaults; SettingsStore loads and saves
// whole groups and announces each change with the new value.

// The editor tab's choices. The editor draws with the font and the gutter;
// the other two are shown and edited in the settings window only.
inline constexpr double minEditorFontSize = 10;
inline constexpr double maxEditorFontSize = 28;

struct EditorSettings {
    QString fontName = QStringLiteral("SF Mono");
    // Points; a stored size is used within minEditorFontSize–maxEditorFontSize.
    double fontSize = 14;
    bool showLineNumbers = true;
    bool highlightCurrentLine = true;
    bool wordWrap = false;

    bool operator==(const EditorSettings&) const = default;
};

struct IndentationSettings {
    // Spaces per indentation step; a stored value is used within 1–16.
    int tabSize = 4;
    bool useSpacesForTab = true;
    bool autoIndent = true;

    bool operator==(const IndentationSettings&) const = default;
};

struct TypingAidSettings {
    bool autoBracket = true;
    bool snippetsEnabled = false;
    bool typingRandomEnabled = false;

    bool operator==(const TypingAidSettings&) const = default;
};

struct ExecutionSettings {
    // Seconds one program run may take; 0 means no limit.
    int executionTimeout = 5;
    // Megabytes of memory one program run may hold; 0 means no limit.
    int memoryLimit = 256;

    bool operator==(const ExecutionSettings&) const = default;
};

// The user's starter text per language, what a new file starts with.
struct TemplateSettings {
    QString templateC = corvanta::registeredDefaultTemplate(ProgrammingLanguage::c);
    QString templateCpp = corvanta::registeredDefaultTemplate(ProgrammingLanguage::cpp);
    QString templatePython = corvanta::registeredDefaultTemplate(ProgrammingLanguage::python);
    QString templateJava = corvanta::registeredDefaultTemplate(ProgrammingLanguage::java);
    QString templateCSharp = corvanta::registeredDefaultTemplate(ProgrammingLanguage::csharp);

    // Empty for Text, which has no template.
    QString text(ProgrammingLanguage language) const;
    // Ignored for Text.
    void setText(ProgrammingLanguage language, const QString& text);

    bool operator==(const TemplateSettings&) const = default;
};

struct ProblemTabSettings {
    // Points; a stored value is used within the slider's 10–24.
    double baekjoonFontSize = 13.0;

    bool operator==(const ProblemTabSettings&) const = default;
};

// Problems sent by the browser extension. 4244 is one of the ports the
// extension posts to without being told; another must be added in its options.
struct ReceivingSettings {
    bool receiving = true;
    int port = 4244;

    bool operator==(const ReceivingSettings&) const = default;
};

// Kept by the main window: the onboarding sheet opens while this is false.
struct OnboardingSettings {
    bool hasSeenOnboarding = false;

    bool operator==(const OnboardingSettings&) const = default;
};
