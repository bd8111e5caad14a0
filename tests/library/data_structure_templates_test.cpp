#include "template_harness.h"

#include "support/printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(DataStructureTemplates, EveryVariantCompilesAndAnswersQueries) {
    checkCategoryTemplates(
        AlgorithmCategory::dataStructure, {},
        {
            {u"Union-Find (분리 집합)"_s, uR"(UnionFind uf(6);
cout << uf.unite(0, 1) << uf.unite(1, 2) << uf.unite(0, 2) << uf.unite(3, 4) << ' '
     << (uf.find(2) == uf.find(0)) << (uf.find(3) == uf.find(0))
     << (uf.find(4) == uf.find(3)) << (uf.find(5) == uf.find(4)) << '\n';)"_s,
             uR"(init(6);
int r1 = unite(0, 1), r2 = unite(1, 2), r3 = unite(0, 2), r4 = unite(3, 4);
printf("%d%d%d%d %d%d%d%d\n", r1, r2, r3, r4, find(2) == find(0), find(3) == find(0),
       find(4) == find(3), find(5) == find(4));)"_s,
             uR"(uf = UnionFind(6)
r = [uf.union(0, 1), uf.union(1, 2), uf.union(0, 2), uf.union(3, 4)]
s = [uf.find(2) == uf.find(0), uf.find(3) == uf.find(0), uf.find(4) == uf.find(3), uf.find(5) == uf.find(4)]
print(''.join(str(int(x)) for x in r), ''.join(str(int(x)) for x in s)))"_s,
             u"1101 1010\n"_s},
            {u"세그먼트 트리"_s,
             uR"(vector<long long> a = {5, 3, 7, 9, 6, 4, 1, 2}, b = {1, 2, 3, 4, 5};
SegmentTree st(a), odd(b);
cout << st.query(0, 7) << ' ' << st.query(2, 5) << ' ' << st.query(3, 3) << ' ';
st.update(3, 0);
cout << st.query(2, 5) << ' ' << st.query(0, 7) << ' ';
cout << odd.query(1, 3) << ' ' << odd.query(0, 4) << ' ' << odd.query(4, 4) << '\n';)"_s,
             uR"(long long a[] = {5, 3, 7, 9, 6, 4, 1, 2}, b[] = {1, 2, 3, 4, 5};
build(a, 8);
long long q1 = query(0, 7, 8), q2 = query(2, 5, 8), q3 = query(3, 3, 8);
update(3, 0, 8);
long long q4 = query(2, 5, 8), q5 = query(0, 7, 8);
build(b, 5);
printf("%lld %lld %lld %lld %lld %lld %lld %lld\n", q1, q2, q3, q4, q5, query(1, 3, 5),
       query(0, 4, 5), query(4, 4, 5));)"_s,
             uR"(st = SegmentTree([5, 3, 7, 9, 6, 4, 1, 2])
odd = SegmentTree([1, 2, 3, 4, 5])
r = [st.query(0, 7), st.query(2, 5), st.query(3, 3)]
st.update(3, 0)
r += [st.query(2, 5), st.query(0, 7), odd.query(1, 3), odd.query(0, 4), odd.query(4, 4)]
print(*r))"_s,
             u"37 26 9 17 28 9 15 5\n"_s},
            {u"펜윅 트리 (BIT)"_s, uR"(FenwickTree ft(5);
for (int i = 1; i <= 5; i++) ft.update(i, i);
cout << ft.query(3) << ' ' << ft.rangeQuery(2, 4) << ' ';
ft.update(3, 10);
cout << ft.rangeQuery(2, 4) << ' ' << ft.query(5) << ' ' << ft.rangeQuery(1, 1) << '\n';)"_s,
             uR"(for (int i = 1; i <= 5; i++) update(i, i, 5);
long long q1 = query(3), q2 = rangeQuery(2, 4);
update(3, 10, 5);
printf("%lld %lld %lld %lld %lld\n", q1, q2, rangeQuery(2, 4), query(5), rangeQuery(1, 1));)"_s,
             uR"(ft = FenwickTree(5)
for i in range(1, 6):
    ft.update(i, i)
r = [ft.query(3), ft.range_query(2, 4)]
ft.update(3, 10)
print(*r, ft.range_query(2, 4), ft.query(5), ft.range_query(1, 1)))"_s,
             u"6 9 19 25 1\n"_s},
            {u"트라이"_s, uR"(Trie trie;
for (string word : {"apple", "app", "bat"}) trie.insert(word);
for (string word : {"app", "ap", "apple", "bat", "ba", "cat"}) cout << trie.search(word);
cout << ' ' << trie.startsWith("ap") << trie.startsWith("c") << trie.startsWith("") << '\n';)"_s,
             uR"(TrieNode* root = createNode();
insert(root, "apple");
insert(root, "app");
insert(root, "bat");
const char* words[] = {"app", "ap", "apple", "bat", "ba", "cat"};
for (int i = 0; i < 6; i++) printf("%d", search(root, words[i]));
printf("\n");)"_s,
             uR"(trie = Trie()
for word in ["apple", "app", "bat"]:
    trie.insert(word)
found = ''.join(str(int(trie.search(w))) for w in ["app", "ap", "apple", "bat", "ba", "cat"])
print(found, ''.join(str(int(trie.starts_with(p))) for p in ["ap", "c", ""])))"_s,
             u"101100 101\n"_s, u"101100\n"_s},
            {u"희소 테이블"_s,
             uR"(SparseTable table(vector<int>{5, 2, 8, 6, 3, 7, 1, 4}), single(vector<int>{42});
cout << table.query(0, 7) << ' ' << table.query(0, 3) << ' ' << table.query(2, 4) << ' '
     << table.query(3, 3) << ' ' << table.query(4, 5) << ' ' << table.query(2, 3) << ' '
     << single.query(0, 0) << '\n';)"_s,
             uR"(int a[] = {5, 2, 8, 6, 3, 7, 1, 4}, b[] = {42};
buildSparseTable(a, 8);
int q[] = {query(0, 7), query(0, 3), query(2, 4), query(3, 3), query(4, 5), query(2, 3)};
buildSparseTable(b, 1);
printf("%d %d %d %d %d %d %d\n", q[0], q[1], q[2], q[3], q[4], q[5], query(0, 0));)"_s,
             uR"(table = SparseTable([5, 2, 8, 6, 3, 7, 1, 4])
r = [table.query(0, 7), table.query(0, 3), table.query(2, 4), table.query(3, 3), table.query(4, 5), table.query(2, 3)]
print(*r, SparseTable([42]).query(0, 0)))"_s,
             u"1 2 3 6 3 6 42\n"_s},
        });
}

} // namespace
