FenwickTree ft(5);
for (int i = 1; i <= 5; i++) ft.update(i, i);
cout << ft.query(3) << ' ' << ft.rangeQuery(2, 4) << ' ';
ft.update(3, 10);
cout << ft.rangeQuery(2, 4) << ' ' << ft.query(5) << ' ' << ft.rangeQuery(1, 1) << '\n';
