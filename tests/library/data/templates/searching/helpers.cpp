// The starter text has no <cstdio>; the helpers add it for formatted doubles.
#include <cstdio>
const vector<int> sortedArr = {1, 3, 5, 7, 9, 11};
const vector<int> dupArr = {1, 2, 2, 2, 5, 7};
