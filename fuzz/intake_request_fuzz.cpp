// Requests to the problem intake: any bytes, however they are split across
// reads, end the same way; a failure carries an HTTP error and a reason; a
// complete request keeps its body within the bound; the body is a problem
// or refused with a reason, and a problem's file name is short and safe.

#include "fuzz_check.h"
#include "problems/http_request_reader.h"
#include "problems/problem_naming.h"

#include <cstdint>

namespace {

constexpr HttpRequestReader::Limits limits{1024, 64 * 1024};

HttpRequestReader readInPieces(QByteArrayView bytes, qsizetype pieceSize) {
    HttpRequestReader reader(limits);
    for (qsizetype at = 0; at < bytes.size(); at += pieceSize)
        reader.feed(bytes.sliced(at, std::min(pieceSize, bytes.size() - at)));
    return reader;
}

bool isSafeName(const QString& base) {
    int length = 0;
    for (const char32_t c : base.toUcs4()) {
        if (!QChar::isLetterOrNumber(c) && !QChar::isMark(c) && c != U'_' && c != U'-')
            return false;
        ++length;
    }
    return length >= 1 && length <= maximumNameLength;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is cut into reads.
    const qsizetype pieceSize = data[0] % 16 + 1;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);

    const HttpRequestReader whole = readInPieces(bytes, std::max<qsizetype>(1, bytes.size()));
    const HttpRequestReader pieces = readInPieces(bytes, pieceSize);
    FUZZ_CHECK(whole.stage() == pieces.stage());
    FUZZ_CHECK(whole.failureStatus() == pieces.failureStatus());
    FUZZ_CHECK(whole.body() == pieces.body());

    using Stage = HttpRequestReader::Stage;
    if (whole.stage() == Stage::failed)
        FUZZ_CHECK(whole.failureStatus() >= 400 && !whole.failureReason().isEmpty());
    if (whole.stage() != Stage::complete)
        return 0;
    FUZZ_CHECK(whole.body().size() <= limits.bodyBytes);
    FUZZ_CHECK(whole.body().size() == whole.header("content-length").toLongLong());

    const ReceivedProblemResult result = parseReceivedProblem(whole.body());
    if (const auto* problem = std::get_if<ReceivedProblem>(&result)) {
        FUZZ_CHECK(problem->memoryLimitMb >= 1 && problem->timeLimitMs >= 1);
        const QString name = problemFileName(*problem, ProgrammingLanguage::cpp);
        FUZZ_CHECK(name.endsWith(u".cpp") && isSafeName(name.chopped(4)));
        FUZZ_CHECK(isSafeName(contestFolderName(problem->group)));
    } else {
        FUZZ_CHECK(!std::get<RejectedProblem>(result).reason.isEmpty());
    }
    return 0;
}
