#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class Commands;
class QAction;
class QObject;

// Everything the window names a shortcut for: the window commands and the
// editing keys the text editor handles itself.
enum class ActionId {
    newFile,
    runCode,
    nextMessage,
    previousMessage,
    togglePanel,
    showTemplates,
    showHelp,
    copy,
    cut,
    paste,
    undo,
    redo,
    selectAll,
    indent,
    newLine
};

// One row of the action table. Menus are built from it; toolbar tooltips,
// hints and shortcut lists take their key texts from it, each with its own
// wording of the description.
struct ActionInfo {
    ActionId id;
    // The menu that lists the action; empty for the editing keys.
    QString menu;
    // The menu item's text.
    QString text;
    // The short name of the action's icon button: its tooltip before the
    // shortcut, and what a screen reader says.
    QString label;
    QKeySequence shortcut;
    // A design symbol name (ui/icons.h); empty when the action has no icon.
    QString symbol;
    // The command a trigger emits; null for the editing keys.
    void (Commands::*command)() = nullptr;
};

// In menu order.
const QList<ActionInfo>& actionTable();
const ActionInfo& actionInfo(ActionId id);

// The shortcut as this platform writes it ("Ctrl+Shift+T" on Linux).
QString shortcutText(ActionId id);
// The label followed by the shortcut: "새 파일 (Ctrl+N)"; the label alone without one.
QString tooltipText(const QString& label, const QKeySequence& shortcut);
QString tooltipText(ActionId id);

// A window-wide action for a command row: text, shortcut, icon and tooltip
// from the table; its icon text is the label, so a tool button showing the
// action is named by it. Triggering it emits the command.
QAction* makeAction(ActionId id, Commands& commands, QObject* parent);
