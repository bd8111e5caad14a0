#include "base/starter_code.h"

namespace {

const char16_t* const cTemplate = u"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n"
                                  u"#include <math.h>\n#include <stdbool.h>\n#include <limits.h>\n"
                                  u"#include <float.h>\n#include <ctype.h>\n\nint main() {\n    \n"
                                  u"    return 0;\n}";

const char16_t* const cppTemplate =
    u"#include <iostream>\n#include <vector>\n#include <string>\n#include <algorithm>\n"
    u"#include <queue>\n#include <stack>\n#include <map>\n#include <unordered_map>\n"
    u"#include <set>\n#include <unordered_set>\n#include <numeric>\n#include <cmath>\n"
    u"#include <list>\n\nusing namespace std;\n\nint main() {\n\n}";

const char16_t* const pythonTemplate = u"import sys\nimport math\nimport heapq\nimport bisect\n"
                                       u"import itertools\nimport collections\n"
                                       u"from functools import lru_cache\n\n";

const char16_t* const javaTemplate =
    u"import java.util.*;\nimport java.io.*;\n\npublic class Main {\n"
    u"    public static void main(String[] args) throws IOException {\n"
    u"        // 여기에 코드를 작성하세요\n    }\n}";

const char16_t* const csharpTemplate =
    u"using System;\nusing System.Collections.Generic;\nusing System.Linq;\n\nclass Program {\n"
    u"    static void Main(string[] args) {\n        // 여기에 코드를 작성하세요\n        \n"
    u"    }\n}";

const char16_t* const javaReset =
    u"import java.util.*;\nimport java.io.*;\n\npublic class Main {\n"
    u"    public static void main(String[] args) throws IOException {\n"
    u"        BufferedReader br = new BufferedReader(new InputStreamReader(System.in));\n"
    u"        BufferedWriter bw = new BufferedWriter(new OutputStreamWriter(System.out));\n"
    u"        \n        \n        bw.flush();\n        bw.close();\n    }\n}";

const char16_t* const csharpReset =
    u"using System;\nusing System.Collections.Generic;\nusing System.Linq;\n\nclass Program {\n"
    u"    static void Main(string[] args) {\n        \n    }\n}";

const char16_t* const cStarter =
    u"#include <stdio.h>\n#include <stdlib.h>\n#include <string.h>\n#include <time.h>\n\n\n"
    u"int main() {\n    // 여기에 코드를 작성하세요\n    \n    return 0;\n}";

const char16_t* const cppStarter =
    u"#include <iostream>\n#include <vector>\n#include <string>\n#include <queue>\n"
    u"#include <stack>\n#include <unordered_map>\n#include <unordered_set>\n#include <deque>\n"
    u"#include <algorithm>\n#include <list>\n\nusing namespace std;\n\nint main() {\n"
    u"    // 여기에 코드를 작성하세요\n    \n    return 0;\n}\n";

const char16_t* const pythonStarter = u"# 여기에 코드를 작성하세요\n";

} // namespace

QString registeredDefaultTemplate(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QString::fromUtf16(cTemplate);
    case ProgrammingLanguage::cpp:
        return QString::fromUtf16(cppTemplate);
    case ProgrammingLanguage::python:
        return QString::fromUtf16(pythonTemplate);
    case ProgrammingLanguage::java:
        return QString::fromUtf16(javaTemplate);
    case ProgrammingLanguage::csharp:
        return QString::fromUtf16(csharpTemplate);
    case ProgrammingLanguage::txt:
        return {};
    }
    return {};
}

QString resetTemplate(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::java:
        return QString::fromUtf16(javaReset);
    case ProgrammingLanguage::csharp:
        return QString::fromUtf16(csharpReset);
    default:
        return registeredDefaultTemplate(language);
    }
}

QString builtInStarterCode(ProgrammingLanguage language) {
    switch (language) {
    case ProgrammingLanguage::c:
        return QString::fromUtf16(cStarter);
    case ProgrammingLanguage::cpp:
        return QString::fromUtf16(cppStarter);
    case ProgrammingLanguage::python:
        return QString::fromUtf16(pythonStarter);
    default:
        return registeredDefaultTemplate(language);
    }
}
