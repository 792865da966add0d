// Feeds arbitrary bytes to the quiz heading reader: the reads must cover the text exactly in
// pieces a line at a time, and a heading written and loaded again must come back unchanged.
#include "quiz/QuizHeading.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz-heading: %s\n", what);
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

    const std::string text = quiz_heading::readAsText(bytes);
    require(text.find_first_of("\r\x1a") == std::string::npos,
            "text keeps a carriage return or an end-of-file mark");

    const std::vector<std::string> reads = quiz_heading::lineReads(text);
    std::string joined;
    for (std::size_t i = 0; i < reads.size(); ++i) {
        const std::string& read = reads[i];
        require(!read.empty(), "empty read");
        require(read.size() <= quiz_heading::maxRead, "read longer than 60 characters");
        require(read.find('\n') >= read.size() - 1, "line feed before a read's last character");
        // A read stops only after a line feed, at 60 characters, or at the end of the text.
        const bool last = i + 1 == reads.size();
        require(last || read.back() == '\n' || read.size() == quiz_heading::maxRead,
                "read stopped early");
        joined += read;
    }
    require(joined == text, "reads do not give back the text");

    // The heading is the reads appended, a zero byte ending only its own read.
    std::string appended;
    for (const std::string& read : reads)
        appended.append(read, 0, read.find('\0'));
    const std::string heading = quiz_heading::forEditing(bytes);
    require(heading.size() <= quiz_heading::maxLength, "heading longer than 120 characters");
    require(heading == appended.substr(0, quiz_heading::maxLength),
            "heading is not the start of the reads appended");
    require(quiz_heading::forEditing(quiz_heading::asFileBytes(heading)) == heading,
            "written heading loads differently");
    return 0;
}
