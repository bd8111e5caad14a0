#include "library/templates/category_templates.h"

// The fragments are raw strings so they read as the code the user gets; each one
// starts right after the opening delimiter and ends without a line feed.

QList<AlgorithmTemplate> sortingTemplates() {
    return {
        {QStringLiteral("버블 정렬"),
         QStringLiteral("인접한 원소를 비교하여 정렬하는 간단한 알고리즘"), QStringLiteral("O(n²)"),
         QStringLiteral(R"code(void bubbleSort(vector<int>& arr) {
    int n = arr.size();
    for (int i = 0; i < n - 1; i++) {
        bool swapped = false;
        for (int j = 0; j < n - 1 - i; j++) {
            if (arr[j] > arr[j + 1]) {
                swap(arr[j], arr[j + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;  // 교환이 없으면 이미 정렬된 상태
    }
})code"),
         QStringLiteral(R"code(void bubbleSort(int arr[], int n) {
    for (int i = 0; i < n - 1; i++) {
        bool swapped = false;
        for (int j = 0; j < n - 1 - i; j++) {
            if (arr[j] > arr[j + 1]) {
                int tmp = arr[j];
                arr[j] = arr[j + 1];
                arr[j + 1] = tmp;
                swapped = true;
            }
        }
        if (!swapped) break;  // 교환이 없으면 이미 정렬된 상태
    }
})code"),
         QStringLiteral(R"code(def bubble_sort(arr):
    n = len(arr)
    for i in range(n - 1):
        for j in range(n - 1 - i):
            if arr[j] > arr[j + 1]:
                arr[j], arr[j + 1] = arr[j + 1], arr[j]
    return arr)code")},

        {QStringLiteral("선택 정렬"), QStringLiteral("최소값을 찾아 앞으로 이동시키며 정렬"),
         QStringLiteral("O(n²)"), QStringLiteral(R"code(void selectionSort(vector<int>& arr) {
    int n = arr.size();
    for (int i = 0; i < n - 1; i++) {
        int minIdx = i;  // i번째 이후에서 가장 작은 값의 위치
        for (int j = i + 1; j < n; j++) {
            if (arr[j] < arr[minIdx]) {
                minIdx = j;
            }
        }
        swap(arr[i], arr[minIdx]);
    }
})code"),
         QStringLiteral(R"code(void selectionSort(int arr[], int n) {
    for (int i = 0; i < n - 1; i++) {
        int minIdx = i;  // i번째 이후에서 가장 작은 값의 위치
        for (int j = i + 1; j < n; j++) {
            if (arr[j] < arr[minIdx]) {
                minIdx = j;
            }
        }
        int tmp = arr[i];
        arr[i] = arr[minIdx];
        arr[minIdx] = tmp;
    }
})code"),
         QStringLiteral(R"code(def selection_sort(arr):
    n = len(arr)
    for i in range(n - 1):
        min_idx = i  # i번째 이후에서 가장 작은 값의 위치
        for j in range(i + 1, n):
            if arr[j] < arr[min_idx]:
                min_idx = j
        arr[i], arr[min_idx] = arr[min_idx], arr[i]
    return arr)code")},

        {QStringLiteral("삽입 정렬"), QStringLiteral("각 원소를 적절한 위치에 삽입하여 정렬"),
         QStringLiteral("O(n²)"), QStringLiteral(R"code(void insertionSort(vector<int>& arr) {
    int n = arr.size();
    for (int i = 1; i < n; i++) {
        int key = arr[i];
        int j = i - 1;
        // key보다 큰 원소를 한 칸씩 뒤로 민다
        while (j >= 0 && arr[j] > key) {
            arr[j + 1] = arr[j];
            j--;
        }
        arr[j + 1] = key;
    }
})code"),
         QStringLiteral(R"code(void insertionSort(int arr[], int n) {
    for (int i = 1; i < n; i++) {
        int key = arr[i];
        int j = i - 1;
        // key보다 큰 원소를 한 칸씩 뒤로 민다
        while (j >= 0 && arr[j] > key) {
            arr[j + 1] = arr[j];
            j--;
        }
        arr[j + 1] = key;
    }
})code"),
         QStringLiteral(R"code(def insertion_sort(arr):
    for i in range(1, len(arr)):
        key = arr[i]
        j = i - 1
        # key보다 큰 원소를 한 칸씩 뒤로 민다
        while j >= 0 and arr[j] > key:
            arr[j + 1] = arr[j]
            j -= 1
        arr[j + 1] = key
    return arr)code")},

        {QStringLiteral("퀵 정렬"), QStringLiteral("분할 정복 기반 정렬 알고리즘"),
         QStringLiteral("O(n log n) 평균"),
         QStringLiteral(R"code(// 구간 [left, right]를 정렬: quickSort(arr, 0, n - 1)
// 가운데 원소를 피벗으로 써서 이미 정렬된 입력에서도 O(n²)이 되지 않는다
void quickSort(vector<int>& arr, int left, int right) {
    if (left >= right) return;
    int pivot = arr[left + (right - left) / 2];
    int i = left, j = right;
    while (i <= j) {
        while (arr[i] < pivot) i++;
        while (arr[j] > pivot) j--;
        if (i <= j) swap(arr[i++], arr[j--]);
    }
    quickSort(arr, left, j);
    quickSort(arr, i, right);
})code"),
         QStringLiteral(R"code(// 구간 [left, right]를 정렬: quickSort(arr, 0, n - 1)
// 가운데 원소를 피벗으로 써서 이미 정렬된 입력에서도 O(n²)이 되지 않는다
void quickSort(int arr[], int left, int right) {
    if (left >= right) return;
    int pivot = arr[left + (right - left) / 2];
    int i = left, j = right;
    while (i <= j) {
        while (arr[i] < pivot) i++;
        while (arr[j] > pivot) j--;
        if (i <= j) {
            int tmp = arr[i];
            arr[i++] = arr[j];
            arr[j--] = tmp;
        }
    }
    quickSort(arr, left, j);
    quickSort(arr, i, right);
})code"),
         QStringLiteral(R"code(def quick_sort(arr):
    # 정렬된 새 리스트를 반환
    if len(arr) <= 1:
        return arr
    pivot = arr[len(arr) // 2]
    left = [x for x in arr if x < pivot]
    middle = [x for x in arr if x == pivot]
    right = [x for x in arr if x > pivot]
    return quick_sort(left) + middle + quick_sort(right))code")},

        {QStringLiteral("병합 정렬"), QStringLiteral("분할 정복 기반 안정 정렬"),
         QStringLiteral("O(n log n)"),
         QStringLiteral(R"code(// 정렬된 두 구간 [left, mid], [mid + 1, right]를 합친다
void merge(vector<int>& arr, int left, int mid, int right) {
    vector<int> tmp;
    tmp.reserve(right - left + 1);
    int i = left, j = mid + 1;
    while (i <= mid && j <= right) {
        // 같은 값이면 왼쪽을 먼저 넣어야 안정 정렬이 된다
        if (arr[i] <= arr[j]) tmp.push_back(arr[i++]);
        else tmp.push_back(arr[j++]);
    }
    while (i <= mid) tmp.push_back(arr[i++]);
    while (j <= right) tmp.push_back(arr[j++]);
    for (int k = 0; k < (int)tmp.size(); k++) arr[left + k] = tmp[k];
}

// 구간 [left, right]를 정렬: mergeSort(arr, 0, n - 1)
void mergeSort(vector<int>& arr, int left, int right) {
    if (left >= right) return;
    int mid = left + (right - left) / 2;
    mergeSort(arr, left, mid);
    mergeSort(arr, mid + 1, right);
    merge(arr, left, mid, right);
})code"),
         QStringLiteral(R"code(int sorted[MAX];  // 병합 결과를 잠시 담는 배열

// 정렬된 두 구간 [left, mid], [mid + 1, right]를 합친다
void merge(int arr[], int left, int mid, int right) {
    int i = left, j = mid + 1, k = left;
    while (i <= mid && j <= right) {
        // 같은 값이면 왼쪽을 먼저 넣어야 안정 정렬이 된다
        if (arr[i] <= arr[j]) sorted[k++] = arr[i++];
        else sorted[k++] = arr[j++];
    }
    while (i <= mid) sorted[k++] = arr[i++];
    while (j <= right) sorted[k++] = arr[j++];
    for (int t = left; t <= right; t++) arr[t] = sorted[t];
}

// 구간 [left, right]를 정렬: mergeSort(arr, 0, n - 1)
void mergeSort(int arr[], int left, int right) {
    if (left >= right) return;
    int mid = left + (right - left) / 2;
    mergeSort(arr, left, mid);
    mergeSort(arr, mid + 1, right);
    merge(arr, left, mid, right);
})code"),
         QStringLiteral(R"code(def merge_sort(arr):
    # 정렬된 새 리스트를 반환
    if len(arr) <= 1:
        return arr
    mid = len(arr) // 2
    left = merge_sort(arr[:mid])
    right = merge_sort(arr[mid:])
    return merge(left, right)

def merge(left, right):
    result = []
    i = j = 0
    while i < len(left) and j < len(right):
        # 같은 값이면 왼쪽을 먼저 넣어야 안정 정렬이 된다
        if left[i] <= right[j]:
            result.append(left[i])
            i += 1
        else:
            result.append(right[j])
            j += 1
    result.extend(left[i:])
    result.extend(right[j:])
    return result)code")},

        {QStringLiteral("힙 정렬"), QStringLiteral("힙 자료구조 기반 정렬"),
         QStringLiteral("O(n log n)"),
         QStringLiteral(R"code(// C++에서는 make_heap, sort_heap 또는 priority_queue 사용)code"),
         QStringLiteral(R"code(// i를 루트로 하는 서브트리를 최대 힙으로 만든다 (n: 힙의 크기)
void heapify(int arr[], int n, int i) {
    int largest = i;
    int l = 2 * i + 1, r = 2 * i + 2;
    if (l < n && arr[l] > arr[largest]) largest = l;
    if (r < n && arr[r] > arr[largest]) largest = r;
    if (largest != i) {
        int tmp = arr[i];
        arr[i] = arr[largest];
        arr[largest] = tmp;
        heapify(arr, n, largest);
    }
}

void heapSort(int arr[], int n) {
    for (int i = n / 2 - 1; i >= 0; i--) heapify(arr, n, i);
    // 가장 큰 값(루트)을 맨 뒤로 보내고 남은 부분을 다시 힙으로 만든다
    for (int i = n - 1; i > 0; i--) {
        int tmp = arr[0];
        arr[0] = arr[i];
        arr[i] = tmp;
        heapify(arr, i, 0);
    }
})code"),
         QStringLiteral(R"code(import heapq

def heap_sort(arr):
    # 정렬된 새 리스트를 반환 (원본은 그대로)
    heap = list(arr)
    heapq.heapify(heap)
    return [heapq.heappop(heap) for _ in range(len(heap))])code")},

        {QStringLiteral("계수 정렬"), QStringLiteral("정수 범위가 제한된 경우 사용하는 O(n) 정렬"),
         QStringLiteral("O(n + k)"), QStringLiteral(R"code(// k = 최댓값 - 최솟값 (음수도 정렬 가능)
void countingSort(vector<int>& arr) {
    if (arr.empty()) return;
    int lo = *min_element(arr.begin(), arr.end());
    int hi = *max_element(arr.begin(), arr.end());
    vector<int> cnt(hi - lo + 1, 0);
    for (int x : arr) cnt[x - lo]++;
    int idx = 0;
    for (int v = 0; v <= hi - lo; v++)
        while (cnt[v]-- > 0) arr[idx++] = v + lo;
})code"),
         QStringLiteral(R"code(// k = 최댓값 - 최솟값 (음수도 정렬 가능)
void countingSort(int arr[], int n) {
    if (n <= 0) return;
    int lo = arr[0], hi = arr[0];
    for (int i = 1; i < n; i++) {
        if (arr[i] < lo) lo = arr[i];
        if (arr[i] > hi) hi = arr[i];
    }
    int* cnt = (int*)calloc(hi - lo + 1, sizeof(int));
    for (int i = 0; i < n; i++) cnt[arr[i] - lo]++;
    int idx = 0;
    for (int v = 0; v <= hi - lo; v++)
        while (cnt[v]-- > 0) arr[idx++] = v + lo;
    free(cnt);
})code"),
         QStringLiteral(R"code(def counting_sort(arr):
    # 정렬된 새 리스트를 반환, k = 최댓값 - 최솟값 (음수도 정렬 가능)
    if not arr:
        return []
    lo = min(arr)
    cnt = [0] * (max(arr) - lo + 1)
    for x in arr:
        cnt[x - lo] += 1
    result = []
    for v, c in enumerate(cnt):
        result.extend([v + lo] * c)
    return result)code")},

        {QStringLiteral("기수 정렬"), QStringLiteral("자릿수별로 정렬하는 알고리즘"),
         QStringLiteral("O(d × n)"),
         QStringLiteral(
             R"code(// 0 이상의 정수를 일의 자리부터 자릿수마다 안정 정렬한다 (d: 최댓값의 자릿수)
void radixSort(vector<int>& arr) {
    if (arr.empty()) return;
    int maxVal = *max_element(arr.begin(), arr.end());
    vector<int> output(arr.size());
    for (long long exp = 1; maxVal / exp > 0; exp *= 10) {
        int cnt[10] = {0};
        for (int x : arr) cnt[x / exp % 10]++;
        for (int d = 1; d < 10; d++) cnt[d] += cnt[d - 1];
        // 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
        for (int i = (int)arr.size() - 1; i >= 0; i--) output[--cnt[arr[i] / exp % 10]] = arr[i];
        arr = output;
    }
})code"),
         QStringLiteral(R"code(int radixBuf[MAX];

// exp 자리(1, 10, 100, ...)만 보고 안정 계수 정렬한다
void countSort(int arr[], int n, long long exp) {
    int cnt[10] = {0};
    for (int i = 0; i < n; i++) cnt[arr[i] / exp % 10]++;
    for (int d = 1; d < 10; d++) cnt[d] += cnt[d - 1];
    // 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
    for (int i = n - 1; i >= 0; i--) radixBuf[--cnt[arr[i] / exp % 10]] = arr[i];
    for (int i = 0; i < n; i++) arr[i] = radixBuf[i];
}

// 0 이상의 정수 n개를 정렬한다 (d: 최댓값의 자릿수)
void radixSort(int arr[], int n) {
    int maxVal = 0;
    for (int i = 0; i < n; i++) {
        if (arr[i] > maxVal) maxVal = arr[i];
    }
    for (long long exp = 1; maxVal / exp > 0; exp *= 10) countSort(arr, n, exp);
})code"),
         QStringLiteral(R"code(def radix_sort(arr):
    # 0 이상의 정수를 정렬한 새 리스트를 반환 (d: 최댓값의 자릿수)
    if not arr:
        return []
    max_val = max(arr)
    exp = 1
    while max_val // exp > 0:
        arr = counting_sort_by_digit(arr, exp)
        exp *= 10
    return list(arr)

def counting_sort_by_digit(arr, exp):
    cnt = [0] * 10
    for x in arr:
        cnt[x // exp % 10] += 1
    for d in range(1, 10):
        cnt[d] += cnt[d - 1]
    output = [0] * len(arr)
    # 뒤에서부터 채워야 같은 자릿수끼리 순서가 유지된다
    for x in reversed(arr):
        d = x // exp % 10
        cnt[d] -= 1
        output[cnt[d]] = x
    return output)code")},
    };
}
