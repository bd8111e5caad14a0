    for (vector<int> arr : sortCases()) {
        quickSort(arr, 0, (int)arr.size() - 1);
        printInts(arr);
    }
