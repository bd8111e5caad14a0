UnionFind uf(6);
cout << uf.unite(0, 1) << uf.unite(1, 2) << uf.unite(0, 2) << uf.unite(3, 4) << ' '
     << (uf.find(2) == uf.find(0)) << (uf.find(3) == uf.find(0))
     << (uf.find(4) == uf.find(3)) << (uf.find(5) == uf.find(4)) << '\n';
