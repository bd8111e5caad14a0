#pragma once

#include "library/algorithm_templates.h"

#include <QList>
#include <QString>
#include <QStringList>

// Builds every variant of one category into a real program and runs it with the
// real compiler or interpreter. Each program is the language's default starter
// text, the fragment appended as insertion leaves it, then a driver. The starter's
// own (empty) main stays untouched, so the C and C++ drivers run before it: the
// C++ one from a namespace-scope initialiser, the C one as a constructor function.
// Warnings are errors: a fragment must compile cleanly under -Wall -Wextra.

// One template's behaviour check. A driver is the body that calls the fragment's
// entry points and prints; an empty driver means "compiles and prints nothing".
// A fragment that calls others of its category gets them pasted before it, and
// must not carry its own copy of their functions.
struct TemplateCheck {
    QString name;
    QString cppDriver;
    QString cDriver;
    QString pythonDriver;
    QString expected;       // what each non-empty driver prints
    QString expectedC = {}; // when the C variant offers less than the others
    QStringList uses = {};  // names of the templates it calls, in pasting order
};

// Helper definitions the drivers of one category share, appended after the fragment.
struct DriverHelpers {
    QString cpp;
    QString c;
    QString python;
};

// The checks must name the category's templates in their library order.
void checkCategoryTemplates(AlgorithmCategory category, const DriverHelpers& helpers,
                            const QList<TemplateCheck>& checks);

// The paste rules every fragment follows: no includes, no tabs, no final line
// feed, indentation in steps of four, no trailing blanks, no std:: prefix in C++.
void checkPasteRules(AlgorithmCategory category);
