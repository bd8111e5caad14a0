#pragma once

#include <QString>

// The open editor's document seen from the workspace: the current text of
// the file it shows, and the way to change it as an edit of its own.
class LiveText {
public:
    virtual QString text() const = 0;
    // Replaces the whole text as one undoable edit.
    virtual void replaceText(const QString& text) = 0;

protected:
    ~LiveText() = default;
};
