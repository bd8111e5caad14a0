#include <vector>
  #define MAX 100
using namespace std;
/* block
   comment */ int main() {
    vector<pair<int, int>> edges; int *p = nullptr, n = 0x1F;
    double d = 3.14f + 10U - 1.e5; char c = '\'', s[] = "a\"b // c";
    if (n == 0) { arr[n] += 1; } // done
    return sizeof(long) > 2 ? 1. : 0;
}
