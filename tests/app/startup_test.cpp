#include "support/printers.h"
#include "support/test_support.h"
#include "workspace/save_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

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
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::SeparateChannels);
        app.start(QStringLiteral(CORVANTA_APP_PATH), QStringList());
        ASSERT_TRUE(app.waitForStarted());
    }

    // Reads standard output until a line starting with `prefix` arrives.
    static QString waitForLine(QProcess& app, const QString& prefix, int timeoutMs = 15000) {
        QElapsedTimer timer;
        timer.start();
        QString seen;
        while (timer.elapsed() < timeoutMs) {
            app.waitForReadyRead(200);
            seen += QString::fromUtf8(app.readAllStandardOutput());
            for (const QString& line : seen.split(QLatin1Char('\n'))) {
                if (line.startsWith(prefix))
                    return line;
            }
        }
        ADD_FAILURE() << "no line starting with " << prefix.toStdString() << " in "
                      << seen.toStdString();
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
    waitForLine(app, QStringLiteral("📂 저장 파일 없음"));
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
        waitForLine(app, QStringLiteral("✅ 로드 완료: "));
        QThread::msleep(2950 + 40 * round);
        app.kill();
        app.waitForFinished();
        const auto decoded = decodeWorkspace(readSaveFile());
        ASSERT_TRUE(std::holds_alternative<LoadedWorkspace>(decoded)) << "round " << round;
        EXPECT_EQ(std::get<LoadedWorkspace>(decoded).files.size(), 40);
    }
}
