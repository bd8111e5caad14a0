for (int i = 1; i <= 5; i++) update(i, i, 5);
long long q1 = query(3), q2 = rangeQuery(2, 4);
update(3, 10, 5);
printf("%lld %lld %lld %lld %lld\n", q1, q2, rangeQuery(2, 4), query(5), rangeQuery(1, 1));
