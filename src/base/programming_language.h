#pragma once

#include <QList>
#include <QString>
#include <optional>

// The six languages a workspace file can be written in, in their fixed order
// (every language picker and the raw-value lookup use this order).
enum class ProgrammingLanguage { c, cpp, python, java, csharp, txt };

const QList<ProgrammingLanguage>& allLanguages();

// The raw value is also the display name and what the save file stores.
QString rawValue(ProgrammingLanguage language);
// Exact, case-sensitive lookup; "cpp" or "c" find nothing.
std::optional<ProgrammingLanguage> languageFromRawValue(const QString& raw);
// Lookup by a file name's extension (without the dot), for the command-line tool.
std::optional<ProgrammingLanguage> languageFromExtension(const QString& extension);

QString fileExtension(ProgrammingLanguage language);
QString badgeLabel(ProgrammingLanguage language);
// One of the toolkit's standard colour names: blue, purple, yellow, orange, green, gray.
QString badgeColorName(ProgrammingLanguage language);
// The settings key of the user's starter text; empty for Text.
QString templateKey(ProgrammingLanguage language);
bool isRunnable(ProgrammingLanguage language);
