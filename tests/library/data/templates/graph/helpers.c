void printInts(const int* a, int n) {
    for (int i = 0; i < n; i++) printf(i ? " %d" : "%d", a[i]);
    printf("\n");
}
void printDist(const long long* d, int n) {
    for (int i = 0; i < n; i++) {
        printf("%s", i ? " " : "");
        if (d[i] >= 1e18) printf("INF");
        else printf("%lld", d[i]);
    }
    printf("\n");
}
void setEdges(int (*g)[MAX], int e[][3], int m, bool undirected) {
    memset(g, 0, sizeof(int) * MAX * MAX);
    for (int i = 0; i < m; i++) {
        g[e[i][0]][e[i][1]] = e[i][2];
        if (undirected) g[e[i][1]][e[i][0]] = e[i][2];
    }
}
