// Feeds arbitrary bytes to the quiz file reader, and checks that every quiz it accepts is
// written back to bytes that load to the same quiz.
#include "quiz/QuizFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz-quiz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Raw data, not a copy: a read past the input lands outside libFuzzer's exact-size buffer,
    // where AddressSanitizer sees it.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const quiz_file::ReadResult result = quiz_file::parse(bytes);

    require(result.opened, "parsed bytes not reported as opened");
    const std::size_t backed = size < 4 ? 0 : (size - 4) / quiz_file::recordSize;
    require(result.sentences.size() <= backed, "more sentences than the bytes hold");
    require(result.sentences.size() <= result.promised, "more sentences than the count promises");

    const QByteArray written = quiz_file::serialize(result.sentences);
    require(written.size() ==
                4 + qsizetype(quiz_file::recordSize) * qsizetype(result.sentences.size()),
            "written size does not match the sentences");
    const quiz_file::ReadResult again = quiz_file::parse(written);
    require(again.sentences == result.sentences, "written quiz loads differently");
    require(again.promised == result.sentences.size(), "written quiz promises another count");
    return 0;
}
