init(6);
int r1 = unite(0, 1), r2 = unite(1, 2), r3 = unite(0, 2), r4 = unite(3, 4);
printf("%d%d%d%d %d%d%d%d\n", r1, r2, r3, r4, find(2) == find(0), find(3) == find(0),
       find(4) == find(3), find(5) == find(4));
