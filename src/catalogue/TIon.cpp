#include "catalogue/TIon.h"

#include <algorithm>
#include <utility>

namespace {

void cutField(std::string& text, std::size_t maxLength)
{
    text.resize(std::min({text.find('\0'), maxLength, text.size()}));
}

} // namespace

TIon::TIon(std::string name_, std::string symbol_, std::int32_t charge_)
    : name(std::move(name_))
    , symbol(std::move(symbol_))
    , charge(charge_)
{
    cutField(name, maxNameLength);
    cutField(symbol, maxSymbolLength);
}
