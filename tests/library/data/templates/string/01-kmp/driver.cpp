for (int v : getFailure("ABABCABAB")) cout << v << ' ';
cout << '|';
for (int v : getFailure("aabaaab")) cout << ' ' << v;
cout << " |";
for (int p : kmp("ABABDABACDABABCABAB", "ABABCABAB")) cout << ' ' << p;
cout << " |";
for (int p : kmp("aaaaa", "aa")) cout << ' ' << p;
cout << " | " << kmp("abc", "").size() << kmp("ab", "abc").size() << '\n';
