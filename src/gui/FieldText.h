#pragma once

#include <QStringView>

#include <algorithm>

// What an edit field of a dialog may take: its record holds Latin-1 bytes, and a zero byte
// would end the field early.
inline bool storableInField(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() != 0 && c.unicode() <= 0xFF; });
}
