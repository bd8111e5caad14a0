// The problem page: any text converts, and the converted text stays within a
// few times the page's size, so no page can make it run away.

#include "fuzz_check.h"
#include "problems/page_conversion.h"

#include <cstdint>

namespace {

// TeX fractions grow by half, and a table may then draw four times its text.
bool bounded(const QString& converted, const QString& page) {
    return converted.size() <= 8 * page.size() + 64;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const BaekjoonProblem problem = parseProblemPage(page, QStringLiteral("1"));
    FUZZ_CHECK(bounded(problem.description, page));
    FUZZ_CHECK(bounded(problem.inputDescription, page));
    FUZZ_CHECK(bounded(problem.outputDescription, page));
    for (const ProblemSample& sample : problem.testCases)
        FUZZ_CHECK(sample.input.size() <= page.size() && sample.output.size() <= page.size());
    FUZZ_CHECK(bounded(cleanHTML(page), page));
    return 0;
}
