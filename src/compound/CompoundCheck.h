#pragma once

#include "catalogue/ListsCheck.h"

#include <vector>

// Two different pairs of a cation and an anion whose compounds have the same formula or the
// same name: a quiz's answer key could not tell them apart. A pair that differs from another
// only by an ion that already has a twin in its list (same name, or same symbol and charge)
// is left out, since checkLists reports that ion once instead of once for every partner.
// The pairs are found by grouping the lists by the halves of names and formulas, never by
// making every pair; past mostPairsListed findings a last line says that more were left out.
std::vector<ListFinding> findSameCompounds(const IonCatalogue& lists);

// checkLists, then findSameCompounds.
std::vector<ListFinding> checkListsAndCompounds(const IonCatalogue& lists);
