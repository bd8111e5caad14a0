#pragma once

#include "base/compiler_message.h"

#include <QList>
#include <QString>
#include <QStringView>

// The source the messages are about, as the tool saw it: its file name (the
// last part of a path in a message) and its text, which turns the tools'
// columns into the editor's (g++ counts a tab to the next multiple of 8 and a
// wide letter as two; Python prints a line without its indentation).
struct MessageSource {
    QString fileName;
    QString text;
};

// Reads the messages g++ and gcc, javac, mcs and Python print: a compile
// error or warning with its file, line and column; Python's syntax errors;
// and for an exception at run time the traceback's last frame in `source`'s
// file, with the exception as its text. Lines that belong to no message
// (javac's "1 error", mcs's "Compilation failed") are left out; each
// message keeps the lines printed for it. Pure: no tool is run.
QList<CompilerMessage> parseCompilerMessages(QStringView output, const MessageSource& source = {});

// Whether a message's file is `source`'s file.
bool isAboutSource(const CompilerMessage& message, const MessageSource& source);
