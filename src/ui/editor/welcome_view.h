#pragma once

#include "base/programming_language.h"

#include <QWidget>

class QBoxLayout;

// What the editor pane shows while no file is selected: the mascot and the
// greeting, a card per language and the shortcut hints. Its colours are the
// built-in theme's even under a custom theme (the style sees to that).
class WelcomeView : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeView(QWidget* parent = nullptr);

signals:
    // A language card was pressed.
    void languageChosen(ProgrammingLanguage language);

private:
    void addGreeting(QBoxLayout* column);
    void addLanguageCards(QBoxLayout* column);
    void addShortcutHints(QBoxLayout* column);
};
