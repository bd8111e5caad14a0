    for (vector<int> arr : sortCases()) {
        insertionSort(arr);
        printInts(arr);
    }
