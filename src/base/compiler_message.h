#pragma once

#include <QString>

enum class MessageSeverity { error, warning, note };

// One message of a compiler or interpreter about a place in a source file.
// Lines and columns count from 1; 0 means the message names none (a linker
// error has no line, a message about a whole line has no column).
struct CompilerMessage {
    QString file;
    int line = 0;
    int column = 0;
    // UTF-16 units the tool marked from the column; 0 when it marked none.
    int length = 0;
    MessageSeverity severity = MessageSeverity::error;
    QString text;
    // The lines the tool printed for this message, as printed.
    QString original;

    bool operator==(const CompilerMessage&) const = default;
};
