for (int v : manacher("aba")) cout << v << ' ';
cout << '|';
for (string s : {"abacaba", "abba", "forgeeksskeegfor", "", "a#b#a"}) {
    vector<int> p = manacher(s);
    cout << ' ' << *max_element(p.begin(), p.end());
}
cout << '\n';
