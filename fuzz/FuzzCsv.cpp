// Feeds arbitrary bytes to the lists' CSV reader, and checks that every pair of lists it
// accepts is written back to CSV that reads to the same lists.
#include "catalogue/ListsCsv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz-csv: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Raw data, not a copy: a read past the input lands outside libFuzzer's exact-size buffer.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const lists_csv::ReadResult result = lists_csv::read(bytes);

    require(result.lists.has_value() != !result.problems.empty(),
            "lists and problems together, or neither");
    for (const lists_csv::Problem& problem : result.problems)
        require(problem.line >= 1 && !problem.reason.empty(), "a problem without line or reason");
    if (!result.lists)
        return 0;

    for (const IonList* list : {&result.lists->cations, &result.lists->anions}) {
        for (const TIon& ion : *list) {
            require(ion.charge >= 1 && ion.charge <= 4, "an accepted charge outside 1 to 4");
            require(!ion.name.empty() && ion.name.front() != ' ' && ion.name.back() != ' ',
                    "an accepted name that the Add dialogs would refuse or trim");
            require(!ion.symbol.empty() && ion.symbol.front() != ' ' && ion.symbol.back() != ' ',
                    "an accepted symbol that the Add dialogs would refuse or trim");
        }
    }
    const lists_csv::ReadResult again = lists_csv::read(lists_csv::write(*result.lists));
    require(again.lists.has_value(), "written lists do not read back");
    require(again.lists->cations == result.lists->cations, "written cations read differently");
    require(again.lists->anions == result.lists->anions, "written anions read differently");
    return 0;
}
