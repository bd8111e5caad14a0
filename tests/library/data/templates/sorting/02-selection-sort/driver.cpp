    for (vector<int> arr : sortCases()) {
        selectionSort(arr);
        printInts(arr);
    }
