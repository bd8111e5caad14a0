#pragma once

#include "base/programming_language.h"

#include <QString>

namespace corvanta {

// Three families of starter text:
//  - registeredDefaultTemplate: what a template setting reads while the user has not changed it;
//  - resetTemplate: what "기본값으로 초기화" writes (differs from the first for Java and C#);
//  - builtInStarterCode: what the new-file sheet previews (differs from the first for C, C++
//    and Python).
// Text has no template: all three are empty for it.
QString registeredDefaultTemplate(ProgrammingLanguage language);
QString resetTemplate(ProgrammingLanguage language);
QString builtInStarterCode(ProgrammingLanguage language);

} // namespace corvanta
