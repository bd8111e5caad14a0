#pragma once

#include "workspace/settings_store.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QString>

class QBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

// The building blocks every settings page is made of. Each part carries an
// object name the style sheet targets (pageTitle, settingHeading, caption,
// warning, divider); none sets a colour of its own.

// A page's column: its title and, when given, the caption under it.
QVBoxLayout* pageColumn(QWidget* page, const QString& title, const QString& caption = {});
QLabel* heading(const QString& text, QWidget* parent);
QLabel* caption(const QString& text, QWidget* parent);
QWidget* divider(QWidget* parent);
// A symbol before a text. The text is named infoText or warningText for the
// sheet; `text` may be a label of the caller's that changes later.
enum class LineKind { info, warning };
QWidget* symbolLine(const QString& symbol, QLabel* text, LineKind kind, QWidget* parent);
QWidget* symbolLine(const QString& symbol, const QString& text, LineKind kind, QWidget* parent);
// A label followed by `control` on one row, the control at its natural width.
QBoxLayout* labelledRow(const QString& label, QWidget* control, QWidget* parent);

// One settings group of the store: how to read it, store it and hear of it.
template <typename Group> struct SettingsGroup {
    Group (SettingsStore::*get)() const;
    void (SettingsStore::*set)(const Group&);
    void (SettingsStore::*changed)(const Group&);
};

inline constexpr SettingsGroup<EditorSettings> editorGroup{
    &SettingsStore::editor, &SettingsStore::setEditor, &SettingsStore::editorChanged};
inline constexpr SettingsGroup<IndentationSettings> indentationGroup{
    &SettingsStore::indentation, &SettingsStore::setIndentation,
    &SettingsStore::indentationChanged};
inline constexpr SettingsGroup<TypingAidSettings> typingAidGroup{
    &SettingsStore::typingAids, &SettingsStore::setTypingAids, &SettingsStore::typingAidsChanged};

// Reads the group, changes one field and stores the group, which announces it.
template <typename Group, typename Field, typename Value>
void changeSetting(SettingsStore& store, SettingsGroup<Group> group, Field Group::*field,
                   const Value& value) {
    Group current = (store.*group.get)();
    current.*field = value;
    (store.*group.set)(current);
}

// A check box that shows one switch of a group and changes it when ticked;
// it follows the store when the value changes elsewhere.
template <typename Group>
QCheckBox* settingToggle(const QString& text, SettingsStore& store, SettingsGroup<Group> group,
                         bool Group::*field, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked((store.*group.get)().*field);
    QObject::connect(box, &QCheckBox::toggled, box,
                     [&store, group, field](bool on) { changeSetting(store, group, field, on); });
    QObject::connect(&store, group.changed, box, [box, field](const Group& value) {
        const QSignalBlocker quiet(box);
        box->setChecked(value.*field);
    });
    return box;
}
