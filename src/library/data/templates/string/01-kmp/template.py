def get_failure(pattern):
    # fail[i]: pattern[0..i]의 접두사이면서 접미사인 가장 긴 길이 (자기 자신 제외)
    m = len(pattern)
    fail = [0] * m
    j = 0
    for i in range(1, m):
        while j > 0 and pattern[i] != pattern[j]:
            j = fail[j - 1]
        if pattern[i] == pattern[j]:
            j += 1
            fail[i] = j
    return fail

def kmp(text, pattern):
    # text에서 pattern이 나타나는 모든 시작 위치 (0-indexed)
    if not pattern:
        return []
    fail = get_failure(pattern)
    result = []
    j = 0
    for i, ch in enumerate(text):
        while j > 0 and ch != pattern[j]:
            j = fail[j - 1]
        if ch != pattern[j]:
            continue
        j += 1
        if j == len(pattern):
            result.append(i - j + 1)
            j = fail[j - 1]
    return result