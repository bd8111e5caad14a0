cout << modInverse(3, 7) << ' ' << modInverse(10, 1000000007) << ' '
     << modInverseExt(3, 10) << ' ' << modInverseExt(4, 10) << ' ' << modInverseExt(-3, 7)
     << ' ' << modInverseExt(-1, 7) << '\n';
