print(*z_function("aabxaab"), '|', *z_function("aaaaa"), '|', len(z_function("")))
