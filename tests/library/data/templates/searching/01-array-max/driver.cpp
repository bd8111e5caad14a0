    for (const vector<int>& arr : vector<vector<int>>{{3, 8, 1, 8, 2}, {-5, -3, -9}}) {
        auto [value, index] = findMax(arr);
        cout << value << ' ' << index << '\n';
    }
