    for (int t : {2, 5, 7, 0, 1}) cout << upper_bound(dupArr.begin(), dupArr.end(), t) - dupArr.begin() << ' ';
    cout << '\n';
