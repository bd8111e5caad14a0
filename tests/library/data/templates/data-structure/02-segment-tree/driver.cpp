vector<long long> a = {5, 3, 7, 9, 6, 4, 1, 2}, b = {1, 2, 3, 4, 5};
SegmentTree st(a), odd(b);
cout << st.query(0, 7) << ' ' << st.query(2, 5) << ' ' << st.query(3, 3) << ' ';
st.update(3, 0);
cout << st.query(2, 5) << ' ' << st.query(0, 7) << ' ';
cout << odd.query(1, 3) << ' ' << odd.query(0, 4) << ' ' << odd.query(4, 4) << '\n';
