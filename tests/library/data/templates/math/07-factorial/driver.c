computeFactorials(20);
printf("%lld %lld %lld %lld\n", fact[0], fact[5], fact[20], fact[1]);
