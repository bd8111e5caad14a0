cout << gcd(12LL, 18LL) << ' ' << lcm(4LL, 6LL) << ' ' << gcd(0LL, 5LL) << ' '
     << lcm(1000000000LL, 999999999LL) << '\n';
