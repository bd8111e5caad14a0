    // Non-negative only; INT_MAX checks that the digit loop does not overflow.
    for (vector<int> arr : radixCases()) {
        radixSort(arr);
        printInts(arr);
    }
