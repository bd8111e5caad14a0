#include "support/printers.h"
#include "support/test_cases.h"
#include "workspace/save_file.h"
#include "workspace_fixture.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QUuid uuid(const char* text) {
    return *parseUuid(QString::fromUtf8(text));
}

const QUuid folderId = uuid("0B9D2F44-6A1C-4E43-9D7B-2C1E5A7F8A10");
const QUuid fileA = uuid("5C3B7E10-1111-4A2B-8C3D-000000000001");
const QUuid fileB = uuid("5C3B7E10-2222-4A2B-8C3D-000000000002");
const QUuid testId = uuid("9A8B7C6D-3333-4E5F-8A9B-000000000003");

WorkspaceSnapshot goldenSnapshot() {
    const Timestamp created = Timestamp::fromSeconds(786000000.5);
    const Timestamp modified = Timestamp::fromSeconds(786000123.25);
    WorkspaceSnapshot snapshot;
    snapshot.folders = {FolderItem{folderId, u"그래프/BFS"_s, created, false}};
    snapshot.files = {
        FileItem{fileA, u"solution.cpp"_s, u"// 주석 a/b\nint main() {}\n"_s,
                 ProgrammingLanguage::cpp, created, modified, std::nullopt},
        FileItem{fileB, u"main.py"_s, u"print(\"\\t\")"_s, ProgrammingLanguage::python, created,
                 modified, folderId},
    };
    snapshot.openTabIds = {fileB, fileA};
    snapshot.selectedFileId = fileA;
    snapshot.testCases = {
        TestCase{.id = testId,
                 .input = u"1 2\n"_s,
                 .expectedOutput = u"3"_s,
                 .result = CaseResult{{VerdictKind::accepted}, u"never written"_s, {}, 1, 1, 1}}};
    return snapshot;
}

LoadedWorkspace decodeOk(const QByteArray& bytes) {
    auto decoded = decodeWorkspace(bytes);
    if (const QString* error = std::get_if<QString>(&decoded)) {
        ADD_FAILURE() << "decode failed: " << error->toStdString();
        return {};
    }
    return std::get<LoadedWorkspace>(decoded);
}

} // namespace

TEST(SaveFile, WritesTheExactFormat) {
    EXPECT_EQ(encodeWorkspace(goldenSnapshot()), readTestData("appdata_golden.json"));
}

TEST(SaveFile, ReadsAHandWrittenDocument) {
    const LoadedWorkspace loaded = decodeOk(readTestData("appdata_golden.json"));
    const WorkspaceSnapshot expected = goldenSnapshot();
    ASSERT_EQ(loaded.files.size(), 2);
    EXPECT_EQ(loaded.files, expected.files);
    EXPECT_EQ(loaded.folders, expected.folders);
    ASSERT_EQ(loaded.openTabs.size(), 2);
    EXPECT_EQ(loaded.openTabs[0].id, fileB);
    EXPECT_EQ(loaded.selectedFile->id, fileA);
    ASSERT_EQ(loaded.testCases.size(), 1);
    EXPECT_EQ(loaded.testCases[0].id, testId);
    EXPECT_FALSE(loaded.testCases[0].result);
    EXPECT_EQ(loaded.judge, JudgeChoice()) << "a document without a choice compares lines";
}

TEST(SaveFile, DropsBadEntriesButKeepsTheRest) {
    const LoadedWorkspace loaded = decodeOk(readTestData("appdata_bad_entries.json"));
    ASSERT_EQ(loaded.files.size(), 1);
    EXPECT_EQ(loaded.files[0].name, u"ok.cpp"_s);
    EXPECT_FALSE(loaded.files[0].folderId) << "an unparsable folder id puts the file at the root";
    ASSERT_EQ(loaded.folders.size(), 1);
    EXPECT_EQ(loaded.folders[0].name, u"kept"_s);
    ASSERT_EQ(loaded.openTabs.size(), 1) << "lower-case ids name no tab; dropped files none";
    EXPECT_FALSE(loaded.selectedFile) << "a selection naming a missing file selects nothing";
    ASSERT_EQ(loaded.testCases.size(), 1);
    EXPECT_FALSE(loaded.testCases[0].id.isNull()) << "an unparsable test id gets a fresh one";
    EXPECT_EQ(loaded.testCases[0].input, u"x"_s);
}

// The choice travels with the workspace; one naming a file the document does
// not hold is the default.
TEST(SaveFile, KeepsTheJudgeChoice) {
    WorkspaceSnapshot snapshot = goldenSnapshot();
    snapshot.judge = {
        u"float:0.001"_s, JudgeChoice::Program::checker, fileB, u"package"_s, 1500, 128};
    EXPECT_EQ(decodeOk(encodeWorkspace(snapshot)).judge, snapshot.judge);

    snapshot.judge.programFileId = testId;
    const JudgeChoice dropped = decodeOk(encodeWorkspace(snapshot)).judge;
    EXPECT_EQ(dropped, JudgeChoice());
}

// A file's own cases and choices travel beside the shared list; an entry for a
// file the document does not hold is dropped.
TEST(SaveFile, KeepsEachFilesOwnCases) {
    WorkspaceSnapshot snapshot = goldenSnapshot();
    const TestCase own = testCase(u"7"_s);
    JudgeChoice tokens;
    tokens.comparison = u"tokens"_s;
    snapshot.ownCases.insert(fileB, CaseList{{own}, tokens});
    snapshot.ownCases.insert(testId, CaseList{});
    snapshot.stressChoices.insert(fileA, StressChoice{fileB, testId, u"[1..9]"_s});
    const LoadedWorkspace loaded = decodeOk(encodeWorkspace(snapshot));
    EXPECT_EQ(loaded.stressChoices.value(fileA), (StressChoice{fileB, {}, u"[1..9]"_s}));
    ASSERT_EQ(loaded.ownCases.size(), 1);
    EXPECT_EQ(loaded.ownCases[fileB].cases[0].input, u"7"_s);
    EXPECT_EQ(loaded.ownCases[fileB].cases[0].id, own.id);
    EXPECT_EQ(loaded.ownCases[fileB].judge.comparison, u"tokens"_s);
    EXPECT_EQ(loaded.testCases[0].id, testId);
}

TEST(SaveFile, StrictDecodingFailsTheWholeDocument) {
    // One document a line, the empty one among them.
    for (const QByteArray& document : readTestData("appdata_broken.txt").split('\n')) {
        const auto decoded = decodeWorkspace(document);
        ASSERT_TRUE(std::holds_alternative<QString>(decoded)) << document.constData();
        EXPECT_FALSE(std::get<QString>(decoded).isEmpty()) << document.constData();
    }
}

// Times count from 2001; those beyond the calendar are held at its ends.
TEST(SaveFile, TimesCountFromTheReferenceDate) {
    EXPECT_EQ(Timestamp().toDateTime().toString(Qt::ISODate), u"2001-01-01T00:00:00Z"_s);
    const QDateTime time = QDateTime::fromString(u"2026-12-06T07:00:00.250Z"_s, Qt::ISODate);
    EXPECT_EQ(Timestamp(time).toDateTime(), time);
    EXPECT_EQ(Timestamp::fromSeconds(1e300).toDateTime().date(), QDate(9999, 12, 31));
    EXPECT_EQ(Timestamp::fromWholeSeconds(std::numeric_limits<qint64>::min()).toDateTime().date(),
              QDate(1, 1, 1));
    EXPECT_EQ(Timestamp::fromSeconds(std::nan("")).toDateTime().date(), QDate(1, 1, 1));
}

// Times were turned into 64-bit milliseconds on load: 1e300 overflowed and
// came back as -9223373015161976, and times near 1e12 s moved 2 ms a save.
TEST(SaveFile, RegressionTimesOfAnySizeAreWrittenBackAsRead) {
    const char* times[] = {
        "1e+300",           "-1.7976931348623157e+308", "1234567890123.457",   "5e-324",
        "9007199254740993", "-9223372036854775808",     "9223372036854775807", "786000000.5"};
    for (const char* time : times) {
        const QByteArray document =
            QByteArray(R"({"files":[{"content":"","createdAt":)") + time +
            R"(,"id":"5C3B7E10-1111-4A2B-8C3D-000000000001","language":"C","modifiedAt":)" + time +
            R"(,"name":"a.c"}],"folders":[{"createdAt":)" + time +
            R"(,"id":"0B9D2F44-6A1C-4E43-9D7B-2C1E5A7F8A10","isExpanded":true,"name":"f"}],)"
            R"("openTabIds":[],"testCases":[]})";
        const LoadedWorkspace loaded = decodeOk(document);
        const WorkspaceSnapshot again{loaded.files,     loaded.folders, {}, {},
                                      loaded.testCases, loaded.judge,   {}, {}};
        EXPECT_EQ(encodeWorkspace(again), document) << time;
    }
}
