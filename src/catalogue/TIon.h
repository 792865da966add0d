#pragma once

#include <cstdint>
#include <string>

// One catalogue entry: an ion's name, its symbol and the size of its charge. Texts are
// single-byte and compared byte for byte.
struct TIon {
    static constexpr std::size_t maxNameLength = 19;
    static constexpr std::size_t maxSymbolLength = 14;

    TIon() = default;
    // The texts are taken up to their first zero byte and cut to the field sizes. Taken by
    // value and cut in place, so a list read from a file makes each text once.
    TIon(std::string name, std::string symbol, std::int32_t charge);

    std::string name;
    std::string symbol;
    // Anion charges are stored without sign: an anion of charge 2 is a 2- ion.
    std::int32_t charge = 0;

    friend bool operator==(const TIon&, const TIon&) = default;
};
