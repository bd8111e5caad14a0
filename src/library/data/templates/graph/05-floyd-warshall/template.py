INF = float('inf')

def floyd_warshall(dist):
    # dist[i][j]를 간선 가중치(없으면 INF, i == j면 0)로 채운 뒤 호출
    n = len(dist)
    for k in range(n):
        row_k = dist[k]
        for i in range(n):
            row_i = dist[i]
            d_ik = row_i[k]
            for j in range(n):
                if d_ik + row_k[j] < row_i[j]:
                    row_i[j] = d_ik + row_k[j]