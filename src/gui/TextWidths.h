#pragma once

#include "platform/Latin1.h"

#include <QFontMetrics>

#include <array>
#include <string>

// Text widths in one font on one device. Formulas are drawn and measured a character at a
// time, thousands of times a page, so each single character is shaped once.
class TextWidths {
public:
    explicit TextWidths(const QFontMetrics& metrics) : metrics(metrics) {}

    int of(const std::string& text)
    {
        if (text.size() != 1)
            return metrics.horizontalAdvance(fromLatin1Bytes(text));
        // 0: not measured yet; a character that is 0 wide is measured again, which is no harm.
        int& width = characters[static_cast<unsigned char>(text[0])];
        if (width == 0)
            width = metrics.horizontalAdvance(fromLatin1Bytes(text));
        return width;
    }

private:
    QFontMetrics metrics;
    std::array<int, 256> characters{};
};
