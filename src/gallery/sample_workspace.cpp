#include "gallery/sample_workspace.h"

#include "workspace/workspace.h"

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

void fillSampleWorkspace(Workspace& workspace) {
    workspace.createFolder(QStringLiteral("그래프"));
    workspace.createFolder(QStringLiteral("DP"));
    const QUuid graphs = workspace.folders()[0].id;
    const QUuid dp = workspace.folders()[1].id;

    workspace.createFile(QStringLiteral("bfs.cpp"), ProgrammingLanguage::cpp, graphs);
    workspace.createFile(QStringLiteral("dijkstra.py"), ProgrammingLanguage::python, graphs);
    workspace.createFile(QStringLiteral("knapsack.c"), ProgrammingLanguage::c, dp);
    workspace.createFile(QStringLiteral("Main.java"), ProgrammingLanguage::java, dp);
    workspace.createFile(QStringLiteral("solution.cs"), ProgrammingLanguage::csharp, std::nullopt);
    workspace.createFile(QStringLiteral("memo.txt"), ProgrammingLanguage::txt, std::nullopt);

    const QList<FileItem> files = workspace.files();
    for (const FileItem& file : files) {
        if (file.name != QStringLiteral("dijkstra.py") && file.name != QStringLiteral("memo.txt") &&
            file.name != QStringLiteral("bfs.cpp"))
            workspace.closeTab(file.id);
    }
    // The editor reads a file's text when it is chosen, so the text goes in
    // before bfs.cpp becomes the chosen file for good.
    workspace.openFile(files[0].id);
    workspace.setFileText(workspace.selectedFile()->id, bfsSource);
    workspace.openFile(files[1].id);
    workspace.openFile(workspace.files()[0].id);

    TestCase first;
    first.input = QStringLiteral("4 4\n1 2\n2 3\n3 4\n1 3\n");
    first.expectedOutput = QStringLiteral("2\n");
    TestCase second;
    second.input = QStringLiteral("2 1\n1 2\n");
    second.expectedOutput = QStringLiteral("1\n");
    workspace.cases().setTestCases({first, second});
}
