#include "base/records.h"
#include "support/printers.h"

#include <gtest/gtest.h>

TEST(Uuid, ParsesEitherCaseAndWritesUpperCase) {
    const auto id = parseUuid(QStringLiteral("e621e1f8-c36c-495a-93fc-0c247a3e6e5f"));
    ASSERT_TRUE(id);
    EXPECT_EQ(uuidString(*id), QStringLiteral("E621E1F8-C36C-495A-93FC-0C247A3E6E5F"));
    EXPECT_FALSE(parseUuid(QStringLiteral("{e621e1f8-c36c-495a-93fc-0c247a3e6e5f}")));
    EXPECT_FALSE(parseUuid(QStringLiteral("not-a-uuid")));
}
