#include "support/test_support.h"
#include "support/widgets.h"
#include "ui/testpanel/stress_pane.h"
#include "ui/window_context.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto python = ProgrammingLanguage::python;

class StressPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        owners = std::make_unique<WindowContext>();
        pane = std::make_unique<StressPane>(owners->workspace, owners->settings);
        pane->resize(900, 400);
        pane->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(pane.get()));
    }

    // Made and selected, as the solution is.
    QUuid addFile(const QString& name, ProgrammingLanguage language, const QString& code) {
        owners->workspace.createFile(name, language);
        const QUuid id = *owners->workspace.selectedFileId();
        owners->workspace.setFileText(id, code);
        return id;
    }

    QString headline() const { return pane->findChild<QLabel*>(u"stressHeadline"_s)->text(); }
    QPushButton* addCase() const { return withName<QPushButton>(pane.get(), u"테스트로 추가"_s); }

    void runToEnd() {
        named<QPushButton>(pane.get(), u"시작"_s)->click();
        ASSERT_TRUE(pane->isRunning());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !pane->isRunning(); }, 120000));
    }

    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<StressPane> pane;
};

// A square in int against Python's exact one, on sizes a generator draws; a
// generator that breaks first must not be taken for the solution's fault.
TEST_F(StressPaneTest, CatchesAnOverflowAndKeepsTheBruteForcesAnswer) {
    const QUuid brute = addFile(u"brute.py"_s, python, u"n = int(input())\nprint(n * n)\n"_s);
    const QUuid broken = addFile(u"broken.py"_s, python, u"raise SystemExit('no input')\n"_s);
    const QUuid generator = addFile(u"gen.py"_s, python,
                                    u"import random, sys\nrandom.seed(int(sys.argv[1]))\n"
                                    "print(random.randint(1, int(sys.argv[2])))\n"_s);
    addFile(u"square.cpp"_s, ProgrammingLanguage::cpp,
            u"#include <cstdio>\nint main() { int n; std::scanf(\"%d\", &n); "
            "std::printf(\"%d\\n\", n * n); }\n"_s);

    const QLabel* guide = pane->findChild<QLabel*>(u"stressGuide"_s);
    EXPECT_TRUE(guide->isVisible()) << "a first look says what the pane is for";
    pane->setChoice({broken, brute, u"[1..100000"_s});
    QSignalSpy changed(pane.get(), &StressPane::choiceChanged);
    QTest::keyClicks(named<QLineEdit>(pane.get(), u"생성기 인자"_s), u"]"_s);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].value<StressChoice>(), (StressChoice{broken, brute, u"[1..100000]"_s}));
    EXPECT_EQ(owners->workspace.cases().stressChoice(*owners->workspace.selectedFileId()),
              changed[0][0].value<StressChoice>())
        << "the solution keeps it";
    runToEnd();
    EXPECT_FALSE(guide->isVisible());
    EXPECT_TRUE(headline().contains(u"생성기: 런타임 에러 (종료 코드 1)\nno input"_s))
        << headline().toStdString();
    EXPECT_FALSE(addCase()->isVisible());

    pane->setChoice({generator, brute, u"[1..100000]"_s});
    runToEnd();
    EXPECT_TRUE(headline().startsWith(u"❌ 반례: 틀렸습니다"_s)) << headline().toStdString();
    const qsizetype cases = owners->workspace.cases().testCases().size();
    ASSERT_TRUE(addCase()->isVisible());
    addCase()->click();
    ASSERT_EQ(owners->workspace.cases().testCases().size(), cases + 1);
    const TestCase& added = owners->workspace.cases().testCases().last();
    const qint64 n = added.input.trimmed().toLongLong();
    EXPECT_GT(n, 46340) << "the smallest square past int";
    EXPECT_EQ(added.expectedOutput, QString::number(n * n) + u'\n');
}

// The solution notes its pid and waits: stopping, choosing another file and
// closing the pane each end it at once.
TEST_F(StressPaneTest, EndingARunLeavesNoProgram) {
    QTemporaryDir folder;
    const QString pids = folder.filePath(u"pids"_s);
    const QUuid echo = addFile(u"echo.py"_s, python, u"print(1)\n"_s);
    const QUuid waiting = addFile(u"wait.py"_s, python,
                                  u"import os, time\nwith open(r'%1', 'a') as f:\n"
                                  "    print(os.getpid(), file=f)\ntime.sleep(60)\n"_s.arg(pids));
    const std::function<void()> endings[] = {
        [&] { named<QPushButton>(pane.get(), u"중지"_s)->click(); },
        [&] { owners->workspace.openFile(echo); },
        [&] { pane.reset(); },
    };
    for (const auto& end : endings) {
        owners->workspace.openFile(waiting);
        pane->setChoice({echo, echo, {}});
        QFile::remove(pids);
        named<QPushButton>(pane.get(), u"시작"_s)->click();
        QList<QByteArray> started;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                QFile file(pids);
                started = file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : started;
                return started.size() > 1;
            },
            60000));
        end();
        if (pane) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !pane->isRunning(); }, 5000));
            EXPECT_EQ(headline(), u"⏹️ 중지됨"_s);
        }
        for (const QByteArray& pid : started.first(started.size() - 1)) {
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return !QFile::exists(u"/proc/"_s + QString::fromLatin1(pid)); }, 2000))
                << pid.data();
        }
    }
}

} // namespace
