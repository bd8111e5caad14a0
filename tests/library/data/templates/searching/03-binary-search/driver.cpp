    for (int t : {7, 4, 1, 11, 12, 0}) cout << binarySearch(sortedArr, t) << ' ';
    cout << binarySearch({}, 5) << '\n';
