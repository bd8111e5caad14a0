vector<long long> f = computeFactorials(20);
cout << f[0] << ' ' << f[5] << ' ' << f[20] << ' ' << computeFactorials(0).size() << '\n';
