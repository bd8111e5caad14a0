    // Vertex 4 reaches nothing: a negative edge must not make it reach vertex 3.
    vector<vector<long long>> d(5, vector<long long>(5, INF));
    for (int i = 0; i < 5; i++) d[i][i] = 0;
    d[0][1] = 5, d[0][2] = 9, d[1][2] = 2, d[2][3] = -1;
    floydWarshall(d);
    for (const vector<long long>& row : d) printDist(row);
