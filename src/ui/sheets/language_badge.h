#pragma once

#include "base/programming_language.h"

#include <QIcon>

class QPalette;
class QToolButton;

// The new-file cards' large mark of a language, 32 by 32: a filled circle
// with the letter for C and Python, a rounded square with the label for the
// others, in the language's colour.
QIcon largeLanguageBadge(ProgrammingLanguage language, const QPalette& palette);

// A checkable picker button showing the language's badge label in its colour,
// named by the language so a screen reader and a test find it.
QToolButton* makeLanguageButton(ProgrammingLanguage language, QWidget* parent);
