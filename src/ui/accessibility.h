#pragma once

#include <QKeySequence>
#include <QScrollArea>
#include <QString>

class QAbstractButton;
class QListWidget;
class QMenu;
class QToolButton;

// Screen readers name a control by its visible text, which Qt passes on by
// itself. An icon-only button has none: its tooltip carries the shortcut
// ("새 파일 (Ctrl+N)") and its accessible name is the label alone ("새 파일"),
// also while a missing icon leaves a fallback text on it.
void nameIconButton(QAbstractButton* button, const QString& label,
                    const QKeySequence& shortcut = {});

// Makes the row a screen reader selects the current row, as a click does:
// its "select" action selects without moving the current row.
void currentFollowsSelection(QListWidget* list);

// Opens `menu` under `button` when it is pressed, by a click or by a screen
// reader. A menu set on the button itself is offered to readers only as a
// "show menu" action that does nothing in the instant-popup mode, and opens
// in a nested event loop that holds up the reader's call until it closes.
void popUpOnPress(QToolButton* button, QMenu* menu);

// A scroll area a screen reader can read while it is hidden and shown.
// Qt's own interface for scroll areas counts the scroll bars only while
// they are visible and does not check the index it is asked for: a reader
// that counted the children of a shown list and asks for the last one after
// the panel hid it is handed a pointer past the end, and the window
// crashes. This one is read as a plain widget: every child, shown or not,
// with its index checked.
class ScrollArea : public QScrollArea {
    Q_OBJECT

public:
    using QScrollArea::QScrollArea;
};
