#include "local_http_server.h"
#include "problems/problem_session.h"
#include "support/printers.h"
#include "support/test_cases.h"
#include "support/test_support.h"
#include "support/widgets.h"
#include "ui/problem/problem_tab.h"
#include "ui/testpanel/judge_bar.h"
#include "ui/window_context.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray tierAnswer(int level) {
    return "{\"level\": " + QByteArray::number(level) + "}";
}

QByteArray randomQuery(SolvedTier tier) {
    return "/api/v3/search/problem?query=tier%3A" + QByteArray::number(rawValue(tier)) +
           "&sort=random&direction=asc&page=1";
}

class ProblemTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        startAsFirstRun();
        server.route("/problem/1260", {200, savedJudgePage(u"1260"_s)});
        server.route("/api/v3/problem/show?problemId=1260",
                     {200, tierAnswer(9), "application/json"});
        owners = std::make_unique<WindowContext>();
        const QString base = server.baseUrl();
        session = std::make_unique<ProblemSession>(owners->workspace.cases(),
                                                   CrawlerEndpoints{base, base, base});
        tab = std::make_unique<ProblemTab>(owners->workspace.cases(), owners->settings, *session);
        tab->setClock([this] { return now; });
        tab->resize(900, 500);
        tab->show();
    }

    template <typename T = QWidget> T* find(const QString& objectName) const {
        T* widget = tab->findChild<T*>(objectName);
        EXPECT_TRUE(widget) << objectName.toStdString();
        return widget;
    }
    QPushButton* searchButton() const { return find<QPushButton>(u"searchButton"_s); }
    QString errorText() const {
        auto* label = find<QLabel>(u"problemMessage"_s);
        return label->isVisible() ? label->text() : QString();
    }

    // Types the number, presses Return and waits for the fetch to end.
    void fetch(const QString& number) {
        auto* field = find<QLineEdit>(u"problemNumber"_s);
        field->clear();
        QTest::keyClicks(field, number);
        QSignalSpy finished(session.get(), &ProblemSession::lastFetchTimeChanged);
        QTest::keyClick(field, Qt::Key_Return);
        ASSERT_TRUE(finished.wait(5000)) << number.toStdString();
    }

    void tickAt(std::chrono::milliseconds sinceStart) {
        now = start.addMSecs(sinceStart.count());
        QMetaObject::invokeMethod(find<QObject>(u"cooldownTimer"_s), "timeout");
    }

    // Through the picker's accessible interface, as a screen reader picks.
    void pickTier(const QString& name) {
        find<QPushButton>(u"randomButton"_s)->click();
        QAccessibleInterface* tier = popupEntry(find(u"tierPicker"_s), name);
        ASSERT_TRUE(tier);
        QSignalSpy picked(static_cast<QPushButton*>(tier->object()), &QPushButton::clicked);
        tier->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_TRUE(picked.wait());
    }

    QStringList texts(const QString& objectName) const {
        QStringList result;
        for (QLabel* label : tab->findChildren<QLabel*>(objectName))
            result.append(label->text());
        return result;
    }

    bool requested(const QByteArray& target) const {
        return std::any_of(server.requests().begin(), server.requests().end(),
                           [&](const auto& request) { return request.target == target; });
    }

    LocalHttpServer server;
    const QDateTime start = QDateTime(QDate(2026, 3, 1), QTime(12, 0));
    QDateTime now = start;
    std::unique_ptr<WindowContext> owners;
    std::unique_ptr<ProblemSession> session;
    std::unique_ptr<ProblemTab> tab;
};

TEST_F(ProblemTabTest, ShowsTheFetchedProblemAndCountsTheCooldownDownFromItsEnd) {
    QTest::keyClick(find<QLineEdit>(u"problemNumber"_s), Qt::Key_Return);
    EXPECT_FALSE(session->lastFetchTime()) << "an empty number fetches nothing";
    EXPECT_FALSE(searchButton()->isEnabled());
    fetch(u"1260"_s);
    EXPECT_EQ(find<QLabel>(u"problemTitle"_s)->text(), u"DFS와 BFS"_s);
    EXPECT_EQ(texts(u"tierBadge"_s), QStringList{u"Silver 2"_s});
    EXPECT_EQ(texts(u"limitChip"_s), (QStringList{u"시간 제한 2 초"_s, u"메모리 제한 128 MB"_s}));
    EXPECT_EQ(tab->findChildren<QWidget*>(u"sampleRow"_s).size(), 3);
    EXPECT_EQ(find<QLabel>(u"problemChip"_s)->text(), u"#1260"_s);

    // Its samples are judged by its limits, and the panel says so.
    JudgeBar bar(owners->workspace);
    find<QPushButton>(u"applyTestCases"_s)->click();
    EXPECT_EQ(owners->workspace.cases().judgeChoice().timeLimitMs, 2000);
    EXPECT_EQ(bar.findChild<QLabel*>(u"problemLimits"_s)->text(),
              u"시간 2초 · 메모리 128 MB, 문제 기준"_s);

    // The button keeps its width as the seconds count down, so the row stays put.
    const auto width = [&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return searchButton()->width();
    };
    tickAt(std::chrono::milliseconds(300));
    EXPECT_EQ(searchButton()->text(), u"10초"_s);
    EXPECT_FALSE(searchButton()->isEnabled());
    const int countingWidth = width();
    const qsizetype requests = server.requests().size();
    QTest::keyClick(find<QLineEdit>(u"problemNumber"_s), Qt::Key_Return);
    EXPECT_EQ(server.requests().size(), requests);

    tickAt(std::chrono::milliseconds(9500));
    EXPECT_EQ(searchButton()->text(), u"1초"_s);
    EXPECT_EQ(width(), countingWidth);
    tickAt(std::chrono::seconds(10));
    EXPECT_EQ(searchButton()->text(), u"검색"_s);
    EXPECT_EQ(width(), countingWidth);
    EXPECT_TRUE(searchButton()->isEnabled());
}

TEST_F(ProblemTabTest, ARandomAnswerDuringTheCooldownOnlyFillsTheField) {
    server.route(randomQuery(SolvedTier::silver2),
                 {200, "{\"items\": [{\"problemId\": 1260}]}", "application/json"});
    session->setLastFetchTime(now);
    auto* field = find<QLineEdit>(u"problemNumber"_s);

    pickTier(u"Silver II"_s);
    EXPECT_FALSE(find(u"tierPicker"_s)->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->text() == u"1260"_s; }, 5000));
    EXPECT_FALSE(requested("/problem/1260"));
    EXPECT_FALSE(session->problem());
    EXPECT_TRUE(find<QLabel>(u"emptyTitle"_s)->isVisible());

    tickAt(std::chrono::seconds(10));
    QSignalSpy fetched(session.get(), &ProblemSession::problemChanged);
    pickTier(u"Silver II"_s);
    ASSERT_TRUE(fetched.wait(5000));
    EXPECT_EQ(session->problem()->number, u"1260"_s);
}

// Cases someone wrote can be brought back for a few seconds; empty ones are not worth it.
TEST_F(ProblemTabTest, AProblemWithoutSamplesAppliesOneEmptyCaseAndOffersUndo) {
    server.route("/problem/2557", {200, "<span id=\"problem_title\">Hello</span>"
                                        "<div id=\"problem_description\"><p>Hi</p></div>"});
    owners->workspace.cases().addTestCase();
    owners->workspace.cases().addTestCase();
    fetch(u"2557"_s);
    EXPECT_FALSE(tab->findChild<QLabel*>(u"samplesHeading"_s));
    auto* apply = find<QPushButton>(u"applyTestCases"_s);
    auto* undo = find<QPushButton>(u"undoApply"_s);
    apply->click();
    ASSERT_EQ(owners->workspace.cases().testCases().size(), 1);
    EXPECT_TRUE(owners->workspace.cases().testCases().first().input.isEmpty());
    EXPECT_TRUE(owners->workspace.cases().testCases().first().expectedOutput.isEmpty());
    EXPECT_FALSE(undo->isVisible());

    owners->workspace.cases().setTestCases({testCase(u"5"_s), TestCase{}});
    const QList<TestCase> before = owners->workspace.cases().testCases();
    apply->click();
    EXPECT_EQ(owners->workspace.cases().testCases().size(), 1);
    ASSERT_TRUE(undo->isVisible());
    EXPECT_EQ(undo->text(), u"되돌리기"_s);
    undo->click();
    EXPECT_EQ(owners->workspace.cases().testCases(), before);
    EXPECT_FALSE(undo->isVisible());
}

TEST_F(ProblemTabTest, TheBadgeShowsUnratedAsAQuestionMarkAndAFailedLookupNotAtAll) {
    const QByteArray page = "<span id=\"problem_title\">T</span>";
    server.route("/problem/1", {200, page});
    server.route("/api/v3/problem/show?problemId=1", {200, tierAnswer(0), "application/json"});
    server.route("/problem/2", {200, page});
    server.route("/api/v3/problem/show?problemId=2", {500, "oops"});

    fetch(u"1"_s);
    EXPECT_EQ(texts(u"tierBadge"_s), QStringList{u"?"_s});
    EXPECT_EQ(find(u"tierBadge"_s)->property("tier"), u"unrated"_s);

    tickAt(std::chrono::seconds(10));
    fetch(u"2"_s);
    EXPECT_TRUE(texts(u"tierBadge"_s).isEmpty());
}

TEST_F(ProblemTabTest, FailuresShowTheirMessageInPlaceOfTheProblem) {
    fetch(u"1260"_s);
    tickAt(std::chrono::seconds(10));
    fetch(u"404"_s);
    EXPECT_EQ(errorText(), u"문제를 불러올 수 없습니다.\nHTTP 오류: 404"_s);
    EXPECT_FALSE(find(u"problemTitle"_s)->isVisible());
    EXPECT_EQ(session->problem()->number, u"1260"_s);

    tickAt(std::chrono::seconds(20));
    fetch(u"10 00"_s);
    EXPECT_EQ(errorText(), u"문제를 불러올 수 없습니다.\n잘못된 URL입니다"_s);

    server.route(randomQuery(SolvedTier::ruby1), {200, "{\"items\": []}", "application/json"});
    pickTier(u"Ruby I"_s);
    EXPECT_TRUE(errorText().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !errorText().isEmpty(); }, 5000));
    EXPECT_EQ(errorText(), u"랜덤 문제를 불러올 수 없습니다.\n문제를 파싱할 수 없습니다"_s);
}

} // namespace
