#pragma once

#include "catalogue/IonCatalogue.h"
#include "platform/SafeSave.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

// The catalogue files valkora.cat (cations) and valkora.ani (anions): a little-endian
// unsigned 32-bit count, then 39-byte records of a 20-byte name, a 15-byte symbol (each
// zero-terminated) and a signed 32-bit charge.
namespace catalogue_file {

inline constexpr int recordSize = 39;
inline constexpr int nameFieldSize = 20;
inline constexpr int symbolFieldSize = 15;
inline constexpr const char* cationFileName = "valkora.cat";
inline constexpr const char* anionFileName = "valkora.ani";

struct ReadResult {
    bool opened = false;
    IonList ions;
    // The count the file claims; more than ions.count() when records are missing.
    std::uint32_t promised = 0;

    bool damaged() const { return ions.count() < promised; }
};

// Reads only what the bytes hold: a count larger than the data is cut to the complete
// records present, and a text field without a zero byte is cut to its longest text.
ReadResult parse(const QByteArray& bytes);
ReadResult read(const QString& path);

QByteArray serialize(const IonList& ions);
// Replaces the file whole, or leaves the old one byte for byte when anything fails.
SaveOutcome save(const QString& path, const IonList& ions, const SaveWrite& write = writeEveryByte);

// "valkora.cat is damaged: only 3 of 1000 entries could be read."
std::string damagedMessage(const char* fileName, std::uint32_t read, std::uint32_t promised);

} // namespace catalogue_file
