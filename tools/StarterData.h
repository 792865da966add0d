#pragma once

#include "catalogue/IonCatalogue.h"

#include <QByteArray>

#include <string>

// The readable source of the starter ion lists: lines of "cation|anion,name,symbol,charge";
// blank lines and lines starting with '#' are skipped.
struct StarterData {
    IonCatalogue lists;
    std::string error; // empty when every line was understood
};

StarterData parseStarterData(const QByteArray& text);
