#include "support/printers.h"
#include "support/process_runner.h"
#include "support/test_support.h"
#include "workspace/save_file.h"
#include "workspace/workspace_fixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

// The editor as a user starts it, in this test program's private home (its
// save file, settings and instance socket are never the user's) on the
// offscreen platform.
class StartupTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        QDir().mkpath(saveFolder());
    }

    static void start(QProcess& app) {
        app.start(QStringLiteral(CORVANTA_APP_PATH), QStringList());
        ASSERT_TRUE(app.waitForStarted());
    }

    // Reads standard output up to the first line starting with `prefix` and
    // returns it (empty on time-out). Lines after it stay unread for the next
    // wait; the lines passed over are added to `passed`.
    static QString waitForLine(QProcess& app, const QString& prefix, int timeoutMs = 15000,
                               QStringList* passed = nullptr) {
        QDeadlineTimer deadline(timeoutMs);
        do {
            while (app.canReadLine()) {
                const QString line = QString::fromUtf8(app.readLine()).chopped(1);
                if (line.startsWith(prefix))
                    return line;
                if (passed)
                    passed->append(line);
            }
        } while (app.waitForReadyRead(int(std::max<qint64>(0, deadline.remainingTime()))));
        return {};
    }
};

TEST_F(StartupTest, LoadsAHandWrittenWorkspaceAndRewritesItInTheExactFormat) {
    writeSaveFile(readTestData("handwritten_workspace.json"));
    QProcess app;
    start(app);
    EXPECT_EQ(waitForLine(app, u"📂 저장 경로: "_s), u"📂 저장 경로: "_s + savePath());
    EXPECT_EQ(waitForLine(app, u"✅ 로드 완료: "_s),
              u"✅ 로드 완료: 0개 폴더, 1개 파일, 1개 테스트케이스"_s);
    EXPECT_EQ(waitForLine(app, u"✅ 저장 완료: "_s), u"✅ 저장 완료: 1개 파일, 1개 테스트케이스"_s);
    app.terminate();
    ASSERT_TRUE(app.waitForFinished(10000));

    EXPECT_EQ(readSaveFile(), readTestData("handwritten_workspace_rewritten.json"))
        << "the lower-case tab id names no tab; the selection still matches";
}

TEST_F(StartupTest, TerminationSignalRunsTheLastSave) {
    QProcess app;
    start(app);
    ASSERT_FALSE(waitForLine(app, u"📂 저장 파일 없음"_s).isEmpty());
    ::kill(pid_t(app.processId()), SIGTERM);
    EXPECT_FALSE(waitForLine(app, u"✅ 저장 완료: "_s).isEmpty());
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(savePath()));
}

TEST_F(StartupTest, KillingTheProgramDuringSavesNeverLeavesAHalfWrittenFile) {
    // A large workspace makes each save long enough to be caught in the middle.
    WorkspaceSnapshot snapshot;
    for (int i = 0; i < 40; ++i) {
        snapshot.files.append(FileItem::make(u"f%1.cpp"_s.arg(i), ProgrammingLanguage::cpp,
                                             QString(200000, QLatin1Char('/'))));
    }
    writeSaveFile(encodeWorkspace(snapshot));
    for (int round = 0; round < 4; ++round) {
        QProcess app;
        start(app);
        ASSERT_FALSE(waitForLine(app, u"✅ 로드 완료: "_s).isEmpty());
        QThread::msleep(2950 + 40 * round);
        app.kill();
        app.waitForFinished();
        const auto decoded = decodeWorkspace(readSaveFile());
        ASSERT_TRUE(std::holds_alternative<LoadedWorkspace>(decoded)) << "round " << round;
        EXPECT_EQ(std::get<LoadedWorkspace>(decoded).files.size(), 40);
    }
}

// The process `parent` started whose command line holds `marker`; empty when
// there is none.
QByteArray childWith(qint64 parent, const QByteArray& marker) {
    for (const QString& pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        QFile stat(u"/proc/"_s + pid + u"/stat"_s);
        QFile commandLine(u"/proc/"_s + pid + u"/cmdline"_s);
        if (!stat.open(QIODevice::ReadOnly) || !commandLine.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
        if (fields.value(2).toLongLong() == parent && commandLine.readAll().contains(marker))
            return pid.toLatin1();
    }
    return {};
}

// A Java file shown gets its compile server; the editor killed outright
// takes the server with it.
TEST_F(StartupTest, TheCompileServerOfAShownJavaFileEndsWithTheKilledEditor) {
    WorkspaceSnapshot snapshot;
    snapshot.files.append(FileItem::make(u"Main.java"_s, ProgrammingLanguage::java, {}));
    snapshot.selectedFileId = snapshot.files[0].id;
    writeSaveFile(encodeWorkspace(snapshot));
    QProcess app;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"CORVANTA_RESIDENT"_s);
    // The killed editor leaves its working folders behind: in the test's home.
    const QString temporary = testHome() + u"/tmp"_s;
    QDir().mkpath(temporary);
    environment.insert(u"TMPDIR"_s, temporary);
    app.setProcessEnvironment(environment);
    start(app);
    QByteArray server;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !(server = childWith(app.processId(), "CompileServer")).isEmpty(); }, 180000));
    app.kill();
    ASSERT_TRUE(app.waitForFinished());
    EXPECT_TRUE(QTest::qWaitFor([&] { return isDead(server); }, 10000));
}

// What a write of the save file would change: its bytes, its time, and its
// inode (every save renames a new file into place).
struct SaveFileStamp {
    QByteArray bytes;
    qint64 modifiedNs = 0;
    ino_t inode = 0;
    bool operator==(const SaveFileStamp&) const = default;
};

class SingleInstanceTest : public StartupTest {
protected:
    SaveFileStamp stamp() const {
        struct stat info = {};
        if (::stat(QFile::encodeName(savePath()).constData(), &info) != 0)
            return {};
        return {readSaveFile(), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
                info.st_ino};
    }

    void stop(QProcess& app) {
        app.terminate();
        EXPECT_TRUE(app.waitForFinished(10000));
    }
};

TEST_F(SingleInstanceTest, SecondStartRaisesTheRunningWindowAndLeavesTheSaveFileAlone) {
    writeSaveFile(R"({"files":[],"folders":[],"openTabIds":[],"testCases":[]})");
    QProcess first;
    start(first);
    // The first instance rewrites the file every three seconds on its own; a
    // round counts only when none of its saves fell inside it.
    for (int round = 0; round < 3; ++round) {
        ASSERT_FALSE(waitForLine(first, u"✅ 저장 완료: "_s).isEmpty());
        const SaveFileStamp before = stamp();
        QProcess second;
        start(second);
        ASSERT_TRUE(second.waitForFinished(15000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_FALSE(waitForLine(second, u"🪟 "_s).isEmpty());
        QStringList passed;
        ASSERT_FALSE(waitForLine(first, u"🪟 다시 실행됨"_s, 15000, &passed).isEmpty());
        EXPECT_EQ(first.state(), QProcess::Running);
        if (stamp() == before) {
            stop(first);
            return;
        }
        const bool firstSaved = passed.filter(u"✅ 저장 완료: "_s).size() > 0 ||
                                !waitForLine(first, u"✅ 저장 완료: "_s, 3500).isEmpty();
        ASSERT_TRUE(firstSaved) << "the save file changed, and not by the running instance";
    }
    ADD_FAILURE() << "every round overlapped an auto-save of the running instance";
}

TEST_F(SingleInstanceTest, StartAfterTheFirstWasKilledRunsNormally) {
    QProcess first;
    start(first);
    ASSERT_FALSE(waitForLine(first, u"📂 저장 파일 없음"_s).isEmpty());
    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));

    QProcess second;
    start(second);
    EXPECT_FALSE(waitForLine(second, u"📂 저장 경로: "_s).isEmpty());
    EXPECT_FALSE(waitForLine(second, u"✅ 저장 완료: "_s).isEmpty());
    stop(second);
}

// A stopped process stands for one hung in a long call: the new start must
// not wait for it forever, and once it wakes it must not save over the
// workspace the new start now owns.
TEST_F(SingleInstanceTest, HungFirstInstanceIsReplacedAndNeverSavesAgain) {
    QProcess first;
    start(first);
    ASSERT_FALSE(waitForLine(first, u"📂 저장 파일 없음"_s).isEmpty());
    ::kill(pid_t(first.processId()), SIGSTOP);

    QProcess second;
    start(second);
    EXPECT_FALSE(waitForLine(second, u"⚠️ "_s).isEmpty());
    EXPECT_FALSE(waitForLine(second, u"✅ 저장 완료: "_s).isEmpty());

    ::kill(pid_t(first.processId()), SIGCONT);
    EXPECT_FALSE(waitForLine(first, u"❌ 저장 실패: "_s).isEmpty());
    stop(first);
    stop(second);
}
