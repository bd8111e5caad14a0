    for (vector<int> arr : sortCases()) {
        countingSort(arr);
        printInts(arr);
    }
