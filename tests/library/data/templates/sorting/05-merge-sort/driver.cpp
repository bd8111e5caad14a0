    for (vector<int> arr : sortCases()) {
        mergeSort(arr, 0, (int)arr.size() - 1);
        printInts(arr);
    }
