    int e[3][4][3] = {{{0, 1, 4}, {0, 2, 5}, {1, 2, -3}, {2, 3, 2}},
                      {{0, 1, 1}, {1, 2, -1}, {2, 3, -1}, {3, 1, -1}},
                      {{1, 2, -1}, {2, 1, -1}}};
    int n[3] = {5, 4, 3}, m[3] = {4, 4, 2};
    for (int g = 0; g < 3; g++) {
        memcpy(edges, e[g], sizeof e[g]);
        if (bellmanFord(n[g], m[g], 0)) printDist(dist, n[g]);
        else printf("cycle\n");
    }
