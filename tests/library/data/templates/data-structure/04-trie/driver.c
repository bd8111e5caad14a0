TrieNode* root = createNode();
insert(root, "apple");
insert(root, "app");
insert(root, "bat");
const char* words[] = {"app", "ap", "apple", "bat", "ba", "cat"};
for (int i = 0; i < 6; i++) printf("%d", search(root, words[i]));
printf("\n");
