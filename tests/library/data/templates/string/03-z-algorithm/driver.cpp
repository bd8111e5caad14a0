for (int v : zFunction("aabxaab")) cout << v << ' ';
cout << '|';
for (int v : zFunction("aaaaa")) cout << ' ' << v;
cout << " | " << zFunction("").size() << '\n';
