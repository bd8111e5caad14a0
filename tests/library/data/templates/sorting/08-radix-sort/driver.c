    for (int c = 0; c < 4; c++) {
        int arr[8], n = radixLengths[c];
        memcpy(arr, radixCases[c], sizeof arr);
        radixSort(arr, n);
        printInts(arr, n);
    }
