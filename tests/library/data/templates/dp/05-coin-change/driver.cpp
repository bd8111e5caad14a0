    cout << coinChange({1, 2, 5}, 11) << ' ' << coinChange({2}, 3) << ' ' << coinChange({1}, 0) << ' '
         << coinChange({186, 419, 83, 408}, 6249) << '\n';
