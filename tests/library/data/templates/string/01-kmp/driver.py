print(*get_failure("ABABCABAB"), '|', *get_failure("aabaaab"), '|',
      *kmp("ABABDABACDABABCABAB", "ABABCABAB"), '|', *kmp("aaaaa", "aa"), '|',
      f'{len(kmp("abc", ""))}{len(kmp("ab", "abc"))}')
