// 사용법: TarjanSCC scc(adj); 이후 scc.sccs, scc.sccId를 읽는다 (정점 0 ~ n-1)
class TarjanSCC {
public:
    vector<vector<int>> sccs;  // SCC 목록 (위상 정렬의 역순으로 찾아진다)
    vector<int> sccId;         // 각 정점이 속한 SCC의 번호 (sccs의 인덱스)

    explicit TarjanSCC(const vector<vector<int>>& adj)
        : sccId(adj.size(), -1), disc(adj.size(), -1), low(adj.size(), 0), onStack(adj.size(), false) {
        for (int v = 0; v < (int)adj.size(); v++) {
            if (disc[v] == -1) dfs(adj, v);
        }
    }

private:
    vector<int> disc, low;  // 방문 순서, 스택에 남은 정점 중 닿을 수 있는 가장 이른 방문 순서
    vector<bool> onStack;
    vector<int> st;
    int timer = 0;

    void dfs(const vector<vector<int>>& adj, int u) {
        disc[u] = low[u] = timer++;
        st.push_back(u);
        onStack[u] = true;
        for (int v : adj[u]) {
            if (disc[v] == -1) {
                dfs(adj, v);
                low[u] = min(low[u], low[v]);
            } else if (onStack[v]) {
                low[u] = min(low[u], disc[v]);
            }
        }
        if (low[u] == disc[u]) {  // u가 SCC의 루트: 스택에서 u까지 꺼낸 정점들이 하나의 SCC
            vector<int> comp;
            int v;
            do {
                v = st.back();
                st.pop_back();
                onStack[v] = false;
                sccId[v] = sccs.size();
                comp.push_back(v);
            } while (v != u);
            sccs.push_back(comp);
        }
    }
};