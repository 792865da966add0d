#include "catalogue/TIon.h"

namespace {

std::string fieldText(const std::string& text, std::size_t maxLength)
{
    std::string result = text.substr(0, text.find('\0'));
    if (result.size() > maxLength)
        result.resize(maxLength);
    return result;
}

} // namespace

TIon::TIon(const std::string& name_, const std::string& symbol_, std::int32_t charge_)
    : name(fieldText(name_, maxNameLength))
    , symbol(fieldText(symbol_, maxSymbolLength))
    , charge(charge_)
{
}
