#pragma once

#include <QWidget>

// The development log tab: a word from the makers and every release's
// notes, newest first.
class ChangelogPage : public QWidget {
    Q_OBJECT

public:
    explicit ChangelogPage(QWidget* parent = nullptr);
};
