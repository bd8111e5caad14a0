#include "base/records.h"
#include "support/printers.h"

#include <gtest/gtest.h>

TEST(ProgrammingLanguage, RawValueLookupIsExactAndCaseSensitive) {
    for (const char* raw : {"c", "cpp", "py", "python", "C ", ""})
        EXPECT_FALSE(languageFromRawValue(QString::fromUtf8(raw))) << raw;
    for (ProgrammingLanguage language : allLanguages())
        EXPECT_EQ(languageFromRawValue(rawValue(language)), language);
}

TEST(ProgrammingLanguage, RawValuesSortInCodeUnitOrder) {
    QStringList raws;
    for (ProgrammingLanguage language : allLanguages())
        raws.append(rawValue(language));
    raws.sort(Qt::CaseSensitive);
    EXPECT_EQ(raws, (QStringList{QStringLiteral("C"), QStringLiteral("C#"), QStringLiteral("C++"),
                                 QStringLiteral("Java"), QStringLiteral("Python"),
                                 QStringLiteral("Text")}));
}

TEST(FileItem, SameIdIsTheSameFileButNotAnEqualRecord) {
    const FileItem a = FileItem::make(QStringLiteral("a.cpp"), ProgrammingLanguage::cpp);
    FileItem b = a;
    b.content = QStringLiteral("changed");
    EXPECT_EQ(a.id, b.id);
    EXPECT_NE(a, b);
}

TEST(FileItem, StartsWithTheBuiltInStarterText) {
    EXPECT_TRUE(
        FileItem::make(QStringLiteral("n.txt"), ProgrammingLanguage::txt).content.isEmpty());
    EXPECT_EQ(FileItem::make(QStringLiteral("m.py"), ProgrammingLanguage::python).content,
              QStringLiteral("# 여기에 코드를 작성하세요\n"));
}

TEST(Uuid, ParsesEitherCaseAndWritesUpperCase) {
    const auto id = parseUuid(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
    ASSERT_TRUE(id);
    EXPECT_EQ(uuidString(*id), QStringLiteral("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));
    EXPECT_FALSE(parseUuid(QStringLiteral("{e621e1f8-c36c-495a-93fc-0c247a3e6e5f}")));
    EXPECT_FALSE(parseUuid(QStringLiteral("not-a-uuid")));
}
