print(*manacher("aba"), '|', *(max(manacher(s)) for s in ["abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"]))
