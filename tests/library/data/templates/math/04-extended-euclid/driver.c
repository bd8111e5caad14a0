long long x, y, x2, y2;
long long g = extGcd(240, 46, &x, &y);
long long g2 = extGcd(0, 5, &x2, &y2);
printf("%lld %lld %lld %lld %lld %lld\n", g, x, y, g2, x2, y2);
