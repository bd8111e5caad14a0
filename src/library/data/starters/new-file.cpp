#include <iostream>
#include <vector>
#include <string>
#include <queue>
#include <stack>
#include <unordered_map>
#include <unordered_set>
#include <deque>
#include <algorithm>
#include <list>

using namespace std;

int main() {
    // 여기에 코드를 작성하세요
    
    return 0;
}
