#include "quiz/TSentence.h"

TSentence::TSentence(const std::string& text_, std::int32_t isCompound_)
    : text(text_.substr(0, text_.find('\0')))
    , isCompound(isCompound_)
{
    if (text.size() > maxTextLength)
        text.resize(maxTextLength);
}
