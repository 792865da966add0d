#include "platform/DialogValues.h"

std::string fitText(const std::string& value, int width)
{
    std::string kept = value.substr(0, value.find('\0'));
    if (width >= 1 && kept.size() > static_cast<std::size_t>(width - 1))
        kept.resize(static_cast<std::size_t>(width - 1));
    return kept;
}

void throwUnboundControl(int controlId, DialogValues::Kind kind)
{
    throw std::logic_error("control " + std::to_string(controlId) + " is not bound as a "
                           + (kind == DialogValues::Kind::Text ? "text" : "choice"));
}
