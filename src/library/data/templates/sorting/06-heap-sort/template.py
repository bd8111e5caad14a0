import heapq

def heap_sort(arr):
    # 정렬된 새 리스트를 반환 (원본은 그대로)
    heap = list(arr)
    heapq.heapify(heap)
    return [heapq.heappop(heap) for _ in range(len(heap))]