#pragma once

#include "StarterData.h"

#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

// The starter lists as their readable source holds them, read once.
inline const IonCatalogue& starterLists()
{
    static const IonCatalogue lists = [] {
        QFile file(VALKORA_SOURCE_DIR "/data/ions.csv");
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return parseStarterData(file.readAll()).lists;
    }();
    return lists;
}

inline const TIon& named(const IonList& side, const std::string& name)
{
    for (const TIon& ion : side)
        if (ion.name == name)
            return ion;
    throw std::invalid_argument(name);
}
