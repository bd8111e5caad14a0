// 1-indexed, n은 원소 개수
long long tree[MAX + 1];

// i번째 원소에 delta를 더함
void update(int i, long long delta, int n) {
    for (; i <= n; i += i & -i) tree[i] += delta;
}

// 1번째부터 i번째까지의 합
long long query(int i) {
    long long sum = 0;
    for (; i > 0; i -= i & -i) sum += tree[i];
    return sum;
}

// l번째부터 r번째까지의 합
long long rangeQuery(int l, int r) {
    return query(r) - query(l - 1);
}