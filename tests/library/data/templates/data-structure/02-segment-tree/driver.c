long long a[] = {5, 3, 7, 9, 6, 4, 1, 2}, b[] = {1, 2, 3, 4, 5};
build(a, 8);
long long q1 = query(0, 7, 8), q2 = query(2, 5, 8), q3 = query(3, 3, 8);
update(3, 0, 8);
long long q4 = query(2, 5, 8), q5 = query(0, 7, 8);
build(b, 5);
printf("%lld %lld %lld %lld %lld %lld %lld %lld\n", q1, q2, q3, q4, q5, query(1, 3, 5),
       query(0, 4, 5), query(4, 4, 5));
