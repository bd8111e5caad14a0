// m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리), modPow 필요
long long modInverse(long long a, long long m) {
    return modPow(a, m - 2, m);
}

// gcd(a, m) = 1이면 m이 소수가 아니어도 됨, 역원이 없으면 -1 (extGcd 필요)
long long modInverseExt(long long a, long long m) {
    auto [g, x, y] = extGcd((a % m + m) % m, m);
    return g == 1 ? (x % m + m) % m : -1;
}