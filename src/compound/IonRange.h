#pragma once

#include "catalogue/IonCatalogue.h"

#include <cstdint>
#include <optional>

class QObject;
class Ui;

// How far down each list a practice or a quiz may draw: the highest cation number N and the
// highest anion number M, as the catalogue view numbers its entries.
struct IonRange {
    std::uint32_t highestCation = 0;
    std::uint32_t highestAnion = 0;
};

// The copies a practice or a quiz draws from, so that nothing done to the catalogue while it
// runs changes it.
struct WorkingLists {
    IonList cations;
    IonList anions;
};

// What the range dialog says of a range outside the lists.
inline constexpr const char* ionRangeWarning =
    "Make sure your values are within the range of cations and anions listed!!";

// At least one entry of each list and no more than each list holds.
bool rangeWithinLists(IonRange range, const IonCatalogue& catalogue);

// Asks for the range in HIGHEST until it lies within both lists or the dialog is cancelled.
// A refused range gets its warning and the dialog again with what was typed.
std::optional<IonRange> askIonRange(Ui& ui, QObject* owner, const IonCatalogue& catalogue);

// Appends copies of the first N cations and the first M anions, in catalogue order.
void buildWorkingLists(const IonCatalogue& catalogue, IonRange range, WorkingLists& target);
