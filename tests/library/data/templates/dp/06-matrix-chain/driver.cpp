    cout << matrixChain({10, 20, 30, 40, 30}) << ' ' << matrixChain({40, 20, 30, 10, 30}) << ' '
         << matrixChain({5, 10}) << ' ' << matrixChain({2000, 2000, 2000, 2000}) << '\n';
