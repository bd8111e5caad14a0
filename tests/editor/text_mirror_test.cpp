#include "editor/text_mirror.h"
#include "support/printers.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString letters(qsizetype size, char16_t first) {
    QString text;
    for (qsizetype i = 0; i < size; ++i)
        text += QChar(char16_t(first + i % 26));
    return text;
}

} // namespace

// Replacements of every size against a plain string: small edits inside one
// piece, removals across many pieces, insertions large enough to be split,
// positions and lengths past the end.
TEST(TextMirror, FollowsEveryReplacement) {
    QRandomGenerator random(11);
    QString expected = letters(20'000, u'a');
    TextMirror mirror;
    mirror.assign(expected);
    for (int step = 0; step < 3000; ++step) {
        const qsizetype position = random.bounded(int(expected.size()) + 10);
        const int kind = random.bounded(10);
        const qsizetype removed = kind == 0   ? random.bounded(30'000)
                                  : kind == 1 ? 0
                                              : random.bounded(4);
        const QString inserted = kind == 2   ? letters(random.bounded(40'000), u'A')
                                 : kind == 3 ? QString()
                                             : letters(random.bounded(3), u'0');
        const qsizetype at = std::min(position, expected.size());
        expected.replace(at, std::min(removed, expected.size() - at), inserted);
        mirror.replace(position, removed, inserted);
        ASSERT_EQ(mirror.size(), expected.size()) << "step " << step;
        if (step % 100 == 0) {
            ASSERT_EQ(mirror.text(), expected) << "step " << step;
        }
    }
    EXPECT_EQ(mirror.text(), expected);
}

TEST(TextMirror, SnapshotKeepsTheTextItWasTakenFrom) {
    TextMirror mirror;
    mirror.assign(letters(50'000, u'a'));
    const QString before = mirror.text();
    const TextMirror::Snapshot snapshot = mirror.snapshot();
    mirror.replace(25'000, 10, u"edit"_s);
    EXPECT_EQ(TextMirror::join(snapshot), before);
    EXPECT_EQ(mirror.text(), QString(before).replace(25'000, 10, u"edit"_s));
}
