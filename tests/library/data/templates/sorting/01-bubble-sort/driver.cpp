    for (vector<int> arr : sortCases()) {
        bubbleSort(arr);
        printInts(arr);
    }
