#include "support/printers.h"
#include "support/test_support.h"
#include "workspace/save_file.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>

// The editor as a user starts it: its own home, the offscreen platform.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home.isValid());
        QDir().mkpath(saveFolder());
    }

    QString saveFolder() const { return home.path() + QStringLiteral("/.local/share/Corvanta"); }
    QString savePath() const { return saveFolder() + QStringLiteral("/appdata.json"); }

    void writeSaveFile(const QByteArray& bytes) {
        QFile file(savePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readSaveFile() const {
        QFile file(savePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void start(QProcess& app) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/.local/share"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/.config"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/.cache"));
        // The instance socket lives here: a test never reaches the user's editor.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::SeparateChannels);
        app.start(QStringLiteral(CORVANTA_APP_PATH), QStringList());
        ASSERT_TRUE(app.waitForStarted());
    }

    QString runtimeFolder() const {
        const QString folder = home.path() + QStringLiteral("/runtime");
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder;
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

    QTemporaryDir home{QDir::tempPath() + QStringLiteral("/corvanta-app-XXXXXX")};
};

TEST_F(StartupTest, LoadsAHandWrittenWorkspaceAndRewritesItInTheExactFormat) {
    writeSaveFile(R"({"files":[
        {"id":"5c3b7e10-1111-4a2b-8c3d-000000000001","name":"a/b.cpp","content":"// 한글\n",
         "language":"C++","createdAt":10.5,"modifiedAt":20.25},
        {"id":"5C3B7E10-2222-4A2B-8C3D-000000000002","name":"gone.cpp","content":"",
         "language":"cpp","createdAt":1,"modifiedAt":2}],
        "openTabIds":["5c3b7e10-1111-4a2b-8c3d-000000000001"],
        "selectedFileId":"5C3B7E10-1111-4A2B-8C3D-000000000001",
        "testCases":[{"id":"9A8B7C6D-3333-4E5F-8A9B-000000000003","input":"1","expectedOutput":"2"}]})");
    QProcess app;
    start(app);
    EXPECT_EQ(waitForLine(app, QStringLiteral("📂 저장 경로: ")),
              QStringLiteral("📂 저장 경로: ") + savePath());
    EXPECT_EQ(waitForLine(app, QStringLiteral("✅ 로드 완료: ")),
              QStringLiteral("✅ 로드 완료: 0개 폴더, 1개 파일, 1개 테스트케이스"));
    EXPECT_EQ(waitForLine(app, QStringLiteral("✅ 저장 완료: ")),
              QStringLiteral("✅ 저장 완료: 1개 파일, 1개 테스트케이스"));
    app.terminate();
    ASSERT_TRUE(app.waitForFinished(10000));

    EXPECT_EQ(
        readSaveFile(),
        QByteArray(
            R"({"files":[{"content":"\/\/ 한글\n","createdAt":10.5,)"
            R"("id":"5C3B7E10-1111-4A2B-8C3D-000000000001","language":"C++",)"
            R"("modifiedAt":20.25,"name":"a\/b.cpp"}],"folders":[],)"
            R"("openTabIds":[],"selectedFileId":"5C3B7E10-1111-4A2B-8C3D-000000000001",)"
            R"("testCases":[{"expectedOutput":"2","id":"9A8B7C6D-3333-4E5F-8A9B-000000000003","input":"1"}]})"))
        << "the lower-case tab id names no tab; the selection still matches";
}

TEST_F(StartupTest, TerminationSignalRunsTheLastSave) {
    QProcess app;
    start(app);
    ASSERT_FALSE(waitForLine(app, QStringLiteral("📂 저장 파일 없음")).isEmpty());
    ::kill(pid_t(app.processId()), SIGTERM);
    EXPECT_FALSE(waitForLine(app, QStringLiteral("✅ 저장 완료: ")).isEmpty());
    ASSERT_TRUE(app.waitForFinished(10000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_TRUE(QFile::exists(savePath()));
}

TEST_F(StartupTest, KillingTheProgramDuringSavesNeverLeavesAHalfWrittenFile) {
    // A large workspace makes each save long enough to be caught in the middle.
    WorkspaceSnapshot snapshot;
    for (int i = 0; i < 40; ++i) {
        FileItem file = FileItem::make(QStringLiteral("f%1.cpp").arg(i), ProgrammingLanguage::cpp);
        file.content = QString(200000, QLatin1Char('/'));
        snapshot.files.append(file);
    }
    writeSaveFile(encodeWorkspace(snapshot));
    for (int round = 0; round < 4; ++round) {
        QProcess app;
        start(app);
        ASSERT_FALSE(waitForLine(app, QStringLiteral("✅ 로드 완료: ")).isEmpty());
        QThread::msleep(2950 + 40 * round);
        app.kill();
        app.waitForFinished();
        const auto decoded = decodeWorkspace(readSaveFile());
        ASSERT_TRUE(std::holds_alternative<LoadedWorkspace>(decoded)) << "round " << round;
        EXPECT_EQ(std::get<LoadedWorkspace>(decoded).files.size(), 40);
    }
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
        ASSERT_FALSE(waitForLine(first, QStringLiteral("✅ 저장 완료: ")).isEmpty());
        const SaveFileStamp before = stamp();
        QProcess second;
        start(second);
        ASSERT_TRUE(second.waitForFinished(15000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0);
        EXPECT_FALSE(waitForLine(second, QStringLiteral("🪟 ")).isEmpty());
        QStringList passed;
        ASSERT_FALSE(
            waitForLine(first, QStringLiteral("🪟 다시 실행됨"), 15000, &passed).isEmpty());
        EXPECT_EQ(first.state(), QProcess::Running);
        if (stamp() == before) {
            stop(first);
            return;
        }
        const bool firstSaved =
            passed.filter(QStringLiteral("✅ 저장 완료: ")).size() > 0 ||
            !waitForLine(first, QStringLiteral("✅ 저장 완료: "), 3500).isEmpty();
        ASSERT_TRUE(firstSaved) << "the save file changed, and not by the running instance";
    }
    ADD_FAILURE() << "every round overlapped an auto-save of the running instance";
}

TEST_F(SingleInstanceTest, StartAfterTheFirstWasKilledRunsNormally) {
    QProcess first;
    start(first);
    ASSERT_FALSE(waitForLine(first, QStringLiteral("📂 저장 파일 없음")).isEmpty());
    first.kill();
    ASSERT_TRUE(first.waitForFinished(10000));

    QProcess second;
    start(second);
    EXPECT_FALSE(waitForLine(second, QStringLiteral("📂 저장 경로: ")).isEmpty());
    EXPECT_FALSE(waitForLine(second, QStringLiteral("✅ 저장 완료: ")).isEmpty());
    stop(second);
}

// A stopped process stands for one hung in a long call: the new start must
// not wait for it forever, and once it wakes it must not save over the
// workspace the new start now owns.
TEST_F(SingleInstanceTest, HungFirstInstanceIsReplacedAndNeverSavesAgain) {
    QProcess first;
    start(first);
    ASSERT_FALSE(waitForLine(first, QStringLiteral("📂 저장 파일 없음")).isEmpty());
    ::kill(pid_t(first.processId()), SIGSTOP);

    QProcess second;
    start(second);
    EXPECT_FALSE(waitForLine(second, QStringLiteral("⚠️ ")).isEmpty());
    EXPECT_FALSE(waitForLine(second, QStringLiteral("✅ 저장 완료: ")).isEmpty());

    ::kill(pid_t(first.processId()), SIGCONT);
    EXPECT_FALSE(waitForLine(first, QStringLiteral("❌ 저장 실패: ")).isEmpty());
    stop(first);
    stop(second);
}
