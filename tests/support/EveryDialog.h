#pragma once

#include "resources/DialogRecords.h"

#include <cstddef>
#include <type_traits>
#include <utility>

// Walks every dialog with its record type, for checks that must cover each one.
inline constexpr std::size_t dialogCount = static_cast<std::size_t>(DialogId::EditHeading) + 1;

template <typename Visit>
void forEveryDialog(Visit&& visit)
{
    [&]<std::size_t... i>(std::index_sequence<i...>) {
        (visit.template operator()<static_cast<DialogId>(i)>(), ...);
    }(std::make_index_sequence<dialogCount>{});
}

// Whether the dialog runs with this record type.
template <typename Record>
bool dialogRunsWith(DialogId id)
{
    bool runs = false;
    forEveryDialog([&]<DialogId dialog>() {
        if (dialog == id)
            runs = std::is_same_v<Record, DialogRecord<dialog>>;
    });
    return runs;
}
