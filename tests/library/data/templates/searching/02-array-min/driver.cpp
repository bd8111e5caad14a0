    for (const vector<int>& arr : vector<vector<int>>{{3, 1, 8, 1, 2}, {-5, -3, -9}}) {
        auto [value, index] = findMin(arr);
        cout << value << ' ' << index << '\n';
    }
