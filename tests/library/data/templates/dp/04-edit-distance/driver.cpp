    cout << editDistance("kitten", "sitting") << ' ' << editDistance("", "abc") << ' '
         << editDistance("abc", "") << ' ' << editDistance("intention", "execution") << ' '
         << editDistance("abc", "abc") << '\n';
