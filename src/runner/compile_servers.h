#pragma once

#include "base/programming_language.h"
#include "runner/resident_compiler.h"

#include <QTemporaryDir>
#include <memory>

// The session's resident compilers: one Java and one C# compile server for
// the whole process, each started on request (the window opens a file of its
// language; the command-line tool judges several files of it) and from then
// on used by every compile of that language. A server program is compiled
// from its source in this library by the compiler it will serve, once per
// version of that compiler, into the user's cache (`servers/`); so building
// the editor needs neither a JDK nor mono, and a compiler upgrade brings a
// matching server. After a Java server starts, the class-data archive of
// Java runs is made when missing (JavaClassSharing).
//
// CORVANTA_RESIDENT=off in the environment turns all of this off: every
// compile uses the plain compiler and Java programs start without the archive.
class CompileServers {
public:
    static CompileServers& session();
    static bool isEnabled();

    // Starts the language's server; nothing happens for a language without
    // one, when they are off, or when it was started before.
    void start(ProgrammingLanguage language, ResidentCompiler::Priority priority);
    // The server for the language's compiles; null for a language without
    // one and when they are off.
    ResidentCompiler* server(ProgrammingLanguage language);

private:
    CompileServers();

    // Each is used by its server's launching thread only, and outlives it.
    std::unique_ptr<QTemporaryDir> m_javaFolder;
    std::unique_ptr<QTemporaryDir> m_csharpFolder;
    ResidentCompiler m_java;
    ResidentCompiler m_csharp;
};
