    for (int t : {2, 3, 8, 0, 7}) cout << lower_bound(dupArr.begin(), dupArr.end(), t) - dupArr.begin() << ' ';
    cout << '\n';
