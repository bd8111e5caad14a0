for (int p : rabinKarp("abracadabra", "abra")) cout << p << ' ';
cout << '|';
for (int p : rabinKarp("aaaaa", "aa")) cout << ' ' << p;
cout << " | " << rabinKarp("ab", "abc").size() << rabinKarp("abc", "").size()
     << rabinKarp("abc", "abc").size();
for (int p : rabinKarp(string(1000, 'a') + "b\xff", "aab\xff")) cout << ' ' << p;
cout << '\n';
