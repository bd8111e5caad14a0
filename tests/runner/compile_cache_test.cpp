#include "runner/compile_cache.h"
#include "runner_test_support.h"
#include "support/printers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QStringList cFlags = {u"gcc"_s, u"-Wall"_s, u"{tmp}/solution.c"_s, u"-o"_s,
                            u"{tmp}/solution_c"_s};

TEST(CompileCacheTest, KeyFollowsSourceCommandLineAndCompiler) {
    ASSERT_TRUE(toolInstalled("gcc"));
    const QString base = CompileCache::key(u"int main(){}"_s, cFlags, u"gcc"_s);
    EXPECT_EQ(base.size(), 32);
    EXPECT_EQ(CompileCache::key(u"int main(){}"_s, cFlags, u"gcc"_s), base);

    QStringList optimised = cFlags;
    optimised.insert(1, u"-O2"_s);
    QStringList joined = cFlags;
    joined.replace(0, u"gcc -Wall"_s);
    joined.removeAt(1);
    const std::pair<const char*, QString> differing[] = {
        {"edited source", CompileCache::key(u"int main(){ }"_s, cFlags, u"gcc"_s)},
        {"added flag", CompileCache::key(u"int main(){}"_s, optimised, u"gcc"_s)},
        {"arguments split differently", CompileCache::key(u"int main(){}"_s, joined, u"gcc"_s)},
        {"other compiler", CompileCache::key(u"int main(){}"_s, cFlags, u"g++"_s)},
    };
    for (const auto& [name, key] : differing) {
        EXPECT_NE(key, base) << name;
        EXPECT_FALSE(key.isEmpty()) << name;
    }
    EXPECT_TRUE(CompileCache::key(u"x"_s, cFlags, u"no-such-compiler-here"_s).isEmpty());
}

TEST(CompileCacheTest, StoresAndRestoresWholeEntries) {
    QTemporaryDir home;
    const CompileCache cache(home.filePath(u"new/cache"_s));
    ASSERT_TRUE(cache.isEnabled());
    EXPECT_EQ(QFileInfo(cache.folder()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
              QFile::Permissions());

    QTemporaryDir built;
    writeFile(built.filePath(u"Main.class"_s), "main");
    writeFile(built.filePath(u"pkg/Inner.class"_s), "inner");
    writeFile(built.filePath(u"solution.java"_s), "not a product");
    cache.store(u"k1"_s, built.path(), {u"Main.class"_s, u"pkg/Inner.class"_s});

    QTemporaryDir run;
    ASSERT_TRUE(cache.restore(u"k1"_s, run.path()));
    EXPECT_EQ(readFile(run.filePath(u"Main.class"_s)), "main");
    EXPECT_EQ(readFile(run.filePath(u"pkg/Inner.class"_s)), "inner");
    EXPECT_FALSE(QFile::exists(run.filePath(u"solution.java"_s)));
    EXPECT_FALSE(cache.restore(u"k2"_s, run.path()));
    EXPECT_FALSE(cache.restore(QString(), run.path()));
    EXPECT_EQ(QDir(cache.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{u"k1"_s})
        << "no staging folder is left behind";

    const CompileCache disabled;
    disabled.store(u"k1"_s, built.path(), {u"Main.class"_s});
    EXPECT_FALSE(disabled.restore(u"k1"_s, run.path()));
}

TEST(CompileCacheTest, KeepsTheMostRecentlyUsedEntries) {
    QTemporaryDir home;
    const CompileCache cache(home.path());
    QTemporaryDir built;
    writeFile(built.filePath(u"program"_s), "binary");
    const auto entry = [&](int i) { return u"key"_s + QString::number(i); };
    for (int i = 0; i < CompileCache::capacity; ++i) {
        cache.store(entry(i), built.path(), {u"program"_s});
        setAge(cache.folder() + u'/' + entry(i), 1000 - i);
    }

    // Using the oldest entry makes it the newest.
    QTemporaryDir run;
    ASSERT_TRUE(cache.restore(entry(0), run.path()));
    cache.store(u"newest"_s, built.path(), {u"program"_s});

    const QStringList kept = QDir(cache.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    EXPECT_EQ(kept.size(), CompileCache::capacity);
    EXPECT_TRUE(kept.contains(entry(0)));
    EXPECT_TRUE(kept.contains(u"newest"_s));
    EXPECT_FALSE(kept.contains(entry(1))) << "the least recently used entry goes";
}

} // namespace
