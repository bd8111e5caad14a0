    for (int c = 0; c < 6; c++) {
        int arr[9], n = sortLengths[c];
        memcpy(arr, sortCases[c], sizeof arr);
        bubbleSort(arr, n);
        printInts(arr, n);
    }
