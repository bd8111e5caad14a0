int a[] = {5, 2, 8, 6, 3, 7, 1, 4}, b[] = {42};
buildSparseTable(a, 8);
int q[] = {query(0, 7), query(0, 3), query(2, 4), query(3, 3), query(4, 5), query(2, 3)};
buildSparseTable(b, 1);
printf("%d %d %d %d %d %d %d\n", q[0], q[1], q[2], q[3], q[4], q[5], query(0, 0));
