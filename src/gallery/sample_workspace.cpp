#include "gallery/sample_workspace.h"

#include "workspace/app_state.h"

namespace {

const QString bfsSource = QStringLiteral(R"(#include <iostream>
#include <queue>
#include <vector>

using namespace std;

int main() {
    int n, m;
    cin >> n >> m;
    vector<vector<int>> graph(n + 1);
    for (int i = 0; i < m; ++i) {
        int a, b;
        cin >> a >> b;
        graph[a].push_back(b);
        graph[b].push_back(a);
    }

    vector<int> dist(n + 1, -1);
    queue<int> q;
    dist[1] = 0;
    q.push(1);
    while (!q.empty()) {
        int cur = q.front();
        q.pop();
        for (int next : graph[cur]) {
            if (dist[next] != -1) continue;
            dist[next] = dist[cur] + 1;
            q.push(next);
        }
    }
    cout << dist[n] << '\n';
    return 0;
}
)");

} // namespace

void fillSampleWorkspace(AppState& state) {
    state.createFolder(QStringLiteral("그래프"));
    state.createFolder(QStringLiteral("DP"));
    const QUuid graphs = state.folders()[0].id;
    const QUuid dp = state.folders()[1].id;

    state.createFile(QStringLiteral("bfs.cpp"), ProgrammingLanguage::cpp, graphs);
    state.createFile(QStringLiteral("dijkstra.py"), ProgrammingLanguage::python, graphs);
    state.createFile(QStringLiteral("knapsack.c"), ProgrammingLanguage::c, dp);
    state.createFile(QStringLiteral("Main.java"), ProgrammingLanguage::java, dp);
    state.createFile(QStringLiteral("solution.cs"), ProgrammingLanguage::csharp, std::nullopt);
    state.createFile(QStringLiteral("memo.txt"), ProgrammingLanguage::txt, std::nullopt);

    const QList<FileItem> files = state.files();
    for (const FileItem& file : files) {
        if (file.name != QStringLiteral("dijkstra.py") && file.name != QStringLiteral("memo.txt") &&
            file.name != QStringLiteral("bfs.cpp"))
            state.closeTab(file.id);
    }
    // The editor reads a file's text when it is chosen, so the text goes in
    // before bfs.cpp becomes the chosen file for good.
    state.openFile(files[0].id);
    state.setFileText(state.selectedFile()->id, bfsSource);
    state.openFile(files[1].id);
    state.openFile(state.files()[0].id);

    TestCase first;
    first.input = QStringLiteral("4 4\n1 2\n2 3\n3 4\n1 3\n");
    first.expectedOutput = QStringLiteral("2\n");
    TestCase second;
    second.input = QStringLiteral("2 1\n1 2\n");
    second.expectedOutput = QStringLiteral("1\n");
    state.setTestCases({first, second});
}
