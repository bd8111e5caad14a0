class Trie:
    def __init__(self):
        # 노드는 dict: 문자 -> 자식 노드, 키 None은 단어의 끝 표시
        self.root = {}

    def insert(self, word):
        node = self.root
        for ch in word:
            node = node.setdefault(ch, {})
        node[None] = True

    def _walk(self, s):
        node = self.root
        for ch in s:
            if ch not in node:
                return None
            node = node[ch]
        return node

    def search(self, word):
        # word가 통째로 들어 있는지
        node = self._walk(word)
        return node is not None and None in node

    def starts_with(self, prefix):
        # prefix로 시작하는 단어가 있는지
        return self._walk(prefix) is not None