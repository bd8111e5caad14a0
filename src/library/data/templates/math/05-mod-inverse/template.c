// m이 소수이고 a가 m의 배수가 아닐 때 (페르마의 소정리), modPow 필요
long long modInverse(long long a, long long m) {
    return modPow(a, m - 2, m);
}