#pragma once

#include "themes/custom_theme.h"

#include <QList>
#include <QString>
#include <variant>

// A theme travels between users as one line: "PLUMETHEME:" followed by the
// standard Base64 form of its JSON object.

// The share code, or "인코딩 실패" when the theme cannot be encoded.
QString makeShareCode(const CustomTheme& theme);

// Reads a pasted code (surrounding white space allowed) and prepares the
// theme to add next to `existing`: a fresh id, and " (복사본)" appended once
// when some existing theme has exactly the same name. On failure, one of the
// three user-facing messages.
std::variant<CustomTheme, QString> importShareCode(const QString& text,
                                                   const QList<CustomTheme>& existing);
