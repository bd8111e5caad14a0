#include "runner/compile_servers.h"

#include "runner/compile_cache.h"
#include "runner/java_class_sharing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

using Launch = ResidentCompiler::Launch;

const QString launcher = u"/usr/bin/env"_s;
constexpr int warmUpCompiles = 3;

// The serial collector and a bounded heap keep a JVM that compiles small
// sources well under 250 MB; a source that needs more heap fails here and
// goes to the plain javac. No performance-data file in the shared /tmp.
const QStringList javaServerFlags = {u"-XX:+UseSerialGC"_s, u"-Xms32m"_s, u"-Xmx192m"_s,
                                     u"-XX:-UsePerfData"_s};

QByteArray resource(const QString& name) {
    QFile file(u":/runner/servers/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

QString cacheFolder() {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return location.isEmpty() ? QString() : location + u"/servers"_s;
}

// The program `products` (relative to `folder`) built from `source` by the
// compiler `compilerName` with `arguments`: from the cache when this
// compiler built it before, else compiled now and kept.
bool buildServer(const QString& folder, const QString& sourceName, const QByteArray& source,
                 const QString& compilerName, const QStringList& arguments,
                 const QStringList& products, const StopSignal& stop) {
    if (source.isEmpty() || !writeFile(folder + u'/' + sourceName, source))
        return false;
    const CompileCache cache(cacheFolder());
    const QStringList commandLine = QStringList(arguments).replaceInStrings(folder, u"{tmp}"_s);
    const QString key = CompileCache::key(QString::fromUtf8(source), commandLine, compilerName);
    if (key.isEmpty())
        return false;
    if (cache.restore(key, folder))
        return true;
    ProgramRun compiler(launcher, QStringList{compilerName} + arguments);
    compiler.setStopSignal(&stop);
    if (!compiler.run().exitedCleanly())
        return false;
    cache.store(key, folder, products);
    return true;
}

QTemporaryDir* makeFolder(std::unique_ptr<QTemporaryDir>& folder) {
    if (!folder)
        folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/corvanta-server-XXXXXX"_s);
    return folder->isValid() ? folder.get() : nullptr;
}

std::optional<Launch> prepareJava(std::unique_ptr<QTemporaryDir>& workFolder,
                                  const StopSignal& stop) {
    // javac finds classes through CLASSPATH in ways the server does not copy.
    if (qEnvironmentVariableIsSet("CLASSPATH"))
        return std::nullopt;
    // The JVM of the javac that plain compiles run, so it is its compiler.
    const QFileInfo javac(
        QFileInfo(QStandardPaths::findExecutable(u"javac"_s)).canonicalFilePath());
    const QString java = javac.path() + u"/java"_s;
    const QTemporaryDir* folder = makeFolder(workFolder);
    if (!javac.exists() || !QFileInfo(java).isExecutable() || !folder)
        return std::nullopt;
    const QString path = folder->path();
    if (!buildServer(path, u"compile_server.java"_s, resource(u"compile_server.java"_s), u"javac"_s,
                     {u"-d"_s, path, path + u"/compile_server.java"_s}, {u"CompileServer.class"_s},
                     stop))
        return std::nullopt;
    const QString warm = path + u"/warm"_s;
    if (!writeFile(warm + u"/Main.java"_s, resource(u"sample_solution.java"_s)))
        return std::nullopt;
    Launch launch{java, javaServerFlags + QStringList{u"-cp"_s, path, u"CompileServer"_s}, {}};
    for (int i = 0; i < warmUpCompiles; ++i)
        launch.warmUps.append({u"-d"_s, warm, warm + u"/Main.java"_s});
    return launch;
}

std::optional<Launch> prepareCSharp(std::unique_ptr<QTemporaryDir>& workFolder,
                                    const StopSignal& stop) {
    const QTemporaryDir* folder = makeFolder(workFolder);
    if (QStandardPaths::findExecutable(u"mono"_s).isEmpty() || !folder)
        return std::nullopt;
    const QString path = folder->path();
    const QString program = path + u"/compile_server.exe"_s;
    if (!buildServer(path, u"compile_server.cs"_s, resource(u"compile_server.cs"_s), u"mcs"_s,
                     {u"-out:"_s + program, path + u"/compile_server.cs"_s},
                     {u"compile_server.exe"_s}, stop))
        return std::nullopt;
    const QString warm = path + u"/warm"_s;
    if (!writeFile(warm + u"/solution.cs"_s, resource(u"sample_solution.cs"_s)))
        return std::nullopt;
    Launch launch{launcher, {u"mono"_s, program}, {}};
    for (int i = 0; i < warmUpCompiles; ++i)
        launch.warmUps.append({u"-out:"_s + warm + u"/solution.exe"_s, warm + u"/solution.cs"_s});
    return launch;
}

} // namespace

CompileServers::CompileServers()
    : m_java([this](const StopSignal& stop) { return prepareJava(m_javaFolder, stop); },
             [](const StopSignal& stop) { JavaClassSharing::standard().build(stop); }),
      m_csharp([this](const StopSignal& stop) { return prepareCSharp(m_csharpFolder, stop); }) {}

CompileServers& CompileServers::session() {
    static CompileServers servers;
    return servers;
}

bool CompileServers::isEnabled() {
    return qgetenv("CORVANTA_RESIDENT") != "off";
}

void CompileServers::start(ProgrammingLanguage language, ResidentCompiler::Priority priority) {
    if (ResidentCompiler* compiler = server(language))
        compiler->start(priority);
}

ResidentCompiler* CompileServers::server(ProgrammingLanguage language) {
    if (!isEnabled())
        return nullptr;
    switch (language) {
    case ProgrammingLanguage::java:
        return &m_java;
    case ProgrammingLanguage::csharp:
        return &m_csharp;
    case ProgrammingLanguage::c:
    case ProgrammingLanguage::cpp:
    case ProgrammingLanguage::python:
    case ProgrammingLanguage::txt:
        break;
    }
    return nullptr;
}
