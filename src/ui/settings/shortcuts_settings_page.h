#pragma once

#include <QWidget>

// The shortcuts tab: a read-only list of the keys, in four groups. The keys
// come from the action table, written as this platform writes them.
class ShortcutsSettingsPage : public QWidget {
    Q_OBJECT

public:
    explicit ShortcutsSettingsPage(QWidget* parent = nullptr);
};
