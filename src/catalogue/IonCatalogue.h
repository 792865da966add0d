#pragma once

#include "catalogue/TIon.h"

#include <cstdint>
#include <vector>

// An ordered list of ions. Users number the entries from 1; positions here are 0-based.
class IonList {
public:
    IonList() = default;
    explicit IonList(std::vector<TIon> entries) : entries(std::move(entries)) {}

    std::uint32_t count() const { return static_cast<std::uint32_t>(entries.size()); }
    bool empty() const { return entries.empty(); }
    const TIon& at(std::uint32_t position) const { return entries.at(position); }
    TIon& at(std::uint32_t position) { return entries.at(position); }

    void append(TIon ion) { entries.push_back(std::move(ion)); }
    // Removes the entry; those after it move up one place.
    void remove(std::uint32_t position) { entries.erase(entries.begin() + position); }
    void clear() { entries.clear(); }

    std::vector<TIon>::const_iterator begin() const { return entries.begin(); }
    std::vector<TIon>::const_iterator end() const { return entries.end(); }
    std::vector<TIon>& items() { return entries; }

    friend bool operator==(const IonList&, const IonList&) = default;

private:
    std::vector<TIon> entries;
};

// The teacher's stock of ions: the cation list and the anion list.
struct IonCatalogue {
    IonList cations;
    IonList anions;
};
