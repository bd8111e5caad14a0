print(*rabin_karp("abracadabra", "abra"), '|', *rabin_karp("aaaaa", "aa"), '|',
      f'{len(rabin_karp("ab", "abc"))}{len(rabin_karp("abc", ""))}{len(rabin_karp("abc", "abc"))}',
      *rabin_karp("a" * 1000 + "b한", "aab한"))
