    for (int i = 0; i < 5; i++)
        for (int j = 0; j < 5; j++) dist[i][j] = i == j ? 0 : INF;
    dist[0][1] = 5, dist[0][2] = 9, dist[1][2] = 2, dist[2][3] = -1;
    floydWarshall(5);
    for (int i = 0; i < 5; i++) {
        long long row[5];
        for (int j = 0; j < 5; j++) row[j] = dist[i][j] == INF ? (long long)1e18 : dist[i][j];
        printDist(row, 5);
    }
