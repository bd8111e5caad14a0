// 알파벳 소문자 문자열용
class Trie {
    struct Node {
        int next[26];
        bool isEnd = false;
        Node() { fill(next, next + 26, -1); }
    };
    vector<Node> nodes;

    // s를 따라 내려간 노드 번호, 없으면 -1
    int walk(const string& s) const {
        int cur = 0;
        for (char ch : s) {
            cur = nodes[cur].next[ch - 'a'];
            if (cur == -1) return -1;
        }
        return cur;
    }

public:
    Trie() : nodes(1) {}

    void insert(const string& word) {
        int cur = 0;
        for (char ch : word) {
            int c = ch - 'a';
            if (nodes[cur].next[c] == -1) {
                nodes[cur].next[c] = nodes.size();
                nodes.emplace_back();
            }
            cur = nodes[cur].next[c];
        }
        nodes[cur].isEnd = true;
    }

    // word가 통째로 들어 있는지
    bool search(const string& word) const {
        int cur = walk(word);
        return cur != -1 && nodes[cur].isEnd;
    }

    // prefix로 시작하는 단어가 있는지
    bool startsWith(const string& prefix) const { return walk(prefix) != -1; }
};