Trie trie;
for (string word : {"apple", "app", "bat"}) trie.insert(word);
for (string word : {"app", "ap", "apple", "bat", "ba", "cat"}) cout << trie.search(word);
cout << ' ' << trie.startsWith("ap") << trie.startsWith("c") << trie.startsWith("") << '\n';
