int graph[MAX][MAX];  // graph[u][v] = 1이면 u → v 간선
int disc[MAX], low[MAX], sccId[MAX];  // disc가 0이면 아직 방문하지 않은 정점
bool onStack[MAX];
int stk[MAX], top = 0, timer = 0, sccCnt = 0;

// 사용법: disc[v] == 0인 모든 v에 대해 dfs(v, n)을 호출하면 sccId[v]에 SCC 번호가 채워진다
void dfs(int u, int n) {
    disc[u] = low[u] = ++timer;
    stk[top++] = u;
    onStack[u] = true;
    for (int v = 0; v < n; v++) {
        if (!graph[u][v]) continue;
        if (!disc[v]) {
            dfs(v, n);
            if (low[v] < low[u]) low[u] = low[v];
        } else if (onStack[v] && disc[v] < low[u]) {
            low[u] = disc[v];
        }
    }
    if (low[u] == disc[u]) {  // u가 SCC의 루트: 스택에서 u까지 꺼낸 정점들이 하나의 SCC
        int v;
        do {
            v = stk[--top];
            onStack[v] = false;
            sccId[v] = sccCnt;
        } while (v != u);
        sccCnt++;
    }
}