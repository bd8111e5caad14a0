#pragma once

#include "base/records.h"
#include "runner/code_runner.h"
#include "support/files.h"
#include "support/process_runner.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>

// The tests run the real tools; a machine without one fails with this
// message instead of hanging or passing vacuously.
inline ::testing::AssertionResult toolInstalled(const char* name) {
    if (QStandardPaths::findExecutable(QString::fromUtf8(name)).isEmpty())
        return ::testing::AssertionFailure()
               << name << " is not installed; scripts/setup installs the compilers";
    return ::testing::AssertionSuccess();
}

// A folder of shell scripts put in front of the search path (or in its place)
// for the life of the object.
class ScriptPath {
public:
    enum Mode { prepend, replace };

    explicit ScriptPath(Mode mode = prepend) : m_savedPath(qgetenv("PATH")) {
        qputenv("PATH", mode == replace ? m_folder.path().toUtf8()
                                        : m_folder.path().toUtf8() + ':' + m_savedPath);
    }
    ~ScriptPath() { qputenv("PATH", m_savedPath); }
    ScriptPath(const ScriptPath&) = delete;
    ScriptPath& operator=(const ScriptPath&) = delete;

    QString folder() const { return m_folder.path(); }

    void addScript(const QString& name, const QByteArray& body) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A script that logs the arguments of every call, a line each, and hands
    // over to the real tool; another `comment` makes another file of the same
    // behaviour.
    void addCountingWrapper(const QString& name, const QString& realTool,
                            const QByteArray& comment = {}) {
        addScript(name, "# " + comment + "\necho \"$*\" >> '" + logPath().toUtf8() + "'\nexec '" +
                            realTool.toUtf8() + "' \"$@\"\n");
    }
    QByteArray log() const { return readFile(logPath()); }
    int calls() const { return int(log().count('\n')); }

private:
    QString logPath() const { return m_folder.filePath(QStringLiteral("calls.log")); }

    QTemporaryDir m_folder;
    QByteArray m_savedPath;
};

// A killed process takes a moment to go.
inline bool becomesDead(const QByteArray& pid) {
    return QTest::qWaitFor([&] { return isDead(pid); }, 2000);
}

// Cache entries age by their folder's modification time.
inline void setAge(const QString& folder, int secondsAgo) {
    const timespec times[2] = {{time(nullptr) - secondsAgo, 0}, {time(nullptr) - secondsAgo, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0), 0);
}

// A source file of the test data, in the language its extension names.
inline FileItem dataFile(const QString& path) {
    return FileItem::make(
        QFileInfo(path).fileName(),
        languageFromExtension(QFileInfo(path).suffix()).value_or(ProgrammingLanguage::txt),
        QString::fromUtf8(readFile(path)));
}

inline PreparedProgram prepareDataFile(const QString& path) {
    const FileItem file = dataFile(path);
    return PreparedProgram::prepare(file.content, file.language);
}
