uf = UnionFind(6)
r = [uf.union(0, 1), uf.union(1, 2), uf.union(0, 2), uf.union(3, 4)]
s = [uf.find(2) == uf.find(0), uf.find(3) == uf.find(0), uf.find(4) == uf.find(3), uf.find(5) == uf.find(4)]
print(''.join(str(int(x)) for x in r), ''.join(str(int(x)) for x in s))
