// 알파벳 소문자 문자열용
typedef struct TrieNode {
    struct TrieNode* children[26];
    bool isEnd;
} TrieNode;

TrieNode* createNode(void) {
    // calloc: 자식 포인터는 모두 NULL, isEnd는 false
    return (TrieNode*)calloc(1, sizeof(TrieNode));
}

void insert(TrieNode* root, const char* word) {
    TrieNode* cur = root;
    for (int i = 0; word[i]; i++) {
        int c = word[i] - 'a';
        if (!cur->children[c]) cur->children[c] = createNode();
        cur = cur->children[c];
    }
    cur->isEnd = true;
}

// word가 통째로 들어 있는지
bool search(TrieNode* root, const char* word) {
    TrieNode* cur = root;
    for (int i = 0; word[i]; i++) {
        cur = cur->children[word[i] - 'a'];
        if (!cur) return false;
    }
    return cur->isEnd;
}