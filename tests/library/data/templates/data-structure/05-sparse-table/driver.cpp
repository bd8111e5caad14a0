SparseTable table(vector<int>{5, 2, 8, 6, 3, 7, 1, 4}), single(vector<int>{42});
cout << table.query(0, 7) << ' ' << table.query(0, 3) << ' ' << table.query(2, 4) << ' '
     << table.query(3, 3) << ' ' << table.query(4, 5) << ' ' << table.query(2, 3) << ' '
     << single.query(0, 0) << '\n';
