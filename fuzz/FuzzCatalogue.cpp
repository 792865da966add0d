// Feeds arbitrary bytes to the catalogue file reader, and checks that every list it accepts
// is written back to bytes that load to the same list.
#include "catalogue/CatalogueFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz-catalogue: %s\n", what);
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
    const catalogue_file::ReadResult result = catalogue_file::parse(bytes);

    require(result.opened, "parsed bytes not reported as opened");
    const std::size_t backed = size < 4 ? 0 : (size - 4) / catalogue_file::recordSize;
    require(result.ions.count() <= backed, "more entries than the bytes hold");
    require(result.ions.count() <= result.promised, "more entries than the count promises");

    const QByteArray written = catalogue_file::serialize(result.ions);
    require(written.size() == 4 + qsizetype(catalogue_file::recordSize) * result.ions.count(),
            "written size does not match the entries");
    const catalogue_file::ReadResult again = catalogue_file::parse(written);
    require(again.ions == result.ions, "written list loads differently");
    require(again.promised == result.ions.count() && !again.damaged(),
            "written list loads as damaged");
    return 0;
}
