#include "runner/java_class_sharing.h"

#include "runner/compile_cache.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString launcher = u"/usr/bin/env"_s;
const QString sampleInput = u"3\n5 2 9\n"_s;

QByteArray sampleSolution() {
    QFile file(u":/runner/servers/sample_solution.java"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

bool runJava(const QString& tool, const QStringList& arguments, const StopSignal& stop,
             const QString& inputFile = {}) {
    ProgramRun run(launcher, QStringList{tool} + arguments);
    run.setStopSignal(&stop);
    run.setInputFile(inputFile);
    return run.run().exitedCleanly();
}

// The dump takes JDK classes only: the sample's own would tie the archive
// to the folder it ran from.
QByteArray withoutSampleClasses(const QByteArray& classList) {
    static const QRegularExpression sampleClass(u"^(@lambda-proxy )?Main(\\$|\\s|$)"_s);
    QByteArray kept;
    for (const QByteArray& line : classList.split('\n')) {
        if (!sampleClass.match(QString::fromUtf8(line)).hasMatch())
            kept += line + '\n';
    }
    return kept;
}

} // namespace

JavaClassSharing::JavaClassSharing(const QString& folder) {
    if (!folder.isEmpty() && QDir().mkpath(folder) &&
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        m_folder = folder;
}

JavaClassSharing JavaClassSharing::standard() {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (location.isEmpty() || qgetenv("CORVANTA_RESIDENT") == "off")
        return JavaClassSharing();
    return JavaClassSharing(location + u"/java-classes"_s);
}

QString JavaClassSharing::archivePath() const {
    if (!isEnabled())
        return {};
    // Named after the JDK (the java binary, which an upgrade replaces) and
    // the sample, so either changing makes a new archive.
    const QString key =
        CompileCache::key(QString::fromUtf8(sampleSolution()), {u"-Xshare:dump"_s}, u"java"_s);
    return key.isEmpty() ? QString() : m_folder + u'/' + key + u".jsa"_s;
}

QStringList JavaClassSharing::runFlags() const {
    const QString archive = archivePath();
    if (archive.isEmpty() || !QFile::exists(archive))
        return {};
    return {u"-XX:SharedArchiveFile="_s + archive};
}

void JavaClassSharing::build(const StopSignal& stop) const {
    const QString archive = archivePath();
    if (archive.isEmpty() || QFile::exists(archive))
        return;
    const QTemporaryDir staging(m_folder + u"/tmp-XXXXXX"_s);
    const QString folder = staging.path();
    const QString classes = folder + u"/classes"_s;
    const QString empty = folder + u"/empty"_s;
    if (!staging.isValid() || !QDir().mkpath(classes) || !QDir().mkpath(empty) ||
        !writeFile(folder + u"/Main.java"_s, sampleSolution()) ||
        !writeFile(folder + u"/input.txt"_s, sampleInput.toUtf8()))
        return;
    const QString listed = folder + u"/listed.txt"_s;
    if (!runJava(u"javac"_s, {u"-d"_s, classes, folder + u"/Main.java"_s}, stop) ||
        !runJava(u"java"_s, {u"-XX:DumpLoadedClassList="_s + listed, u"-cp"_s, classes, u"Main"_s},
                 stop, folder + u"/input.txt"_s))
        return;
    QFile list(listed);
    const QString jdkClasses = folder + u"/jdk-classes.txt"_s;
    if (!list.open(QIODevice::ReadOnly) ||
        !writeFile(jdkClasses, withoutSampleClasses(list.readAll())))
        return;
    // An empty class path: the archive holds no class of any program.
    const QString made = folder + u"/archive.jsa"_s;
    if (!runJava(u"java"_s,
                 {u"-Xshare:dump"_s, u"-XX:SharedClassListFile="_s + jdkClasses,
                  u"-XX:SharedArchiveFile="_s + made, u"-cp"_s, empty},
                 stop))
        return;
    if (!QFile::rename(made, archive))
        return;
    // Archives of JDKs no longer on the search path.
    for (const QFileInfo& old : QDir(m_folder).entryInfoList({u"*.jsa"_s}, QDir::Files)) {
        if (old.filePath() != archive)
            QFile::remove(old.filePath());
    }
}
