int graph[MAX][MAX];  // graph[u][v] = 1이면 u → v 간선
int indegree[MAX];
int order[MAX];       // 위상 정렬 결과

// 정점 0 ~ n-1, 결과의 길이를 반환 (n보다 작으면 사이클이 있다)
int topologicalSort(int n) {
    int queue[MAX], front = 0, rear = 0, cnt = 0;
    for (int v = 0; v < n; v++) {
        indegree[v] = 0;
        for (int u = 0; u < n; u++) indegree[v] += graph[u][v] != 0;
    }
    for (int v = 0; v < n; v++) {
        if (indegree[v] == 0) queue[rear++] = v;
    }
    while (front < rear) {
        int u = queue[front++];
        order[cnt++] = u;
        for (int v = 0; v < n; v++) {
            if (graph[u][v] && --indegree[v] == 0) queue[rear++] = v;
        }
    }
    return cnt;
}