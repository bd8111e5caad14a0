trie = Trie()
for word in ["apple", "app", "bat"]:
    trie.insert(word)
found = ''.join(str(int(trie.search(w))) for w in ["app", "ap", "apple", "bat", "ba", "cat"])
print(found, ''.join(str(int(trie.starts_with(p))) for p in ["ap", "c", ""]))
