#pragma once

#include "base/programming_language.h"

#include <QString>

// Three families of starter text:
//  - registeredDefaultTemplate: what a template setting reads while the user has not changed it;
//  - resetTemplate: what "기본값으로 초기화" writes (differs from the first for Java and C#);
//  - builtInStarterCode: what a freshly constructed file holds before a template replaces it.
// Text has no template: all three are empty for it.
QString registeredDefaultTemplate(ProgrammingLanguage language);
QString resetTemplate(ProgrammingLanguage language);
QString builtInStarterCode(ProgrammingLanguage language);
