#pragma once

#include "catalogue/IonCatalogue.h"
#include "resources/DialogRecords.h"

#include <cstdint>
#include <optional>
#include <string>

class QObject;
class Ui;

// Cuts the blanks (character 32 only) off the end of a text, never past its first character.
void TrimTrailingBlanks(std::string& text);

// The warnings of the entry check, one set for each ion dialog.
struct EntryMessages {
    const char* name;
    const char* symbol;
    const char* charge;
    const char* range;
};

// The first rule an ion dialog's entry breaks, as its message; or the accepted charge.
struct EntryCheck {
    std::optional<std::string> problem;
    std::int32_t charge = 0;
};
EntryCheck checkEntry(const IonEntry& ion, const EntryMessages& messages);

// The Add, Change, Delete and Sort commands of the List menu: their dialogs, checks and
// warnings and the edit of the lists. Each says which lists it changed, for its owner to
// save and show. The dialogs' records keep their contents from one command to the next.
class CatalogueEditor {
public:
    enum class Changed { Nothing, Cations, Anions, Both };

    CatalogueEditor(Ui& ui, QObject* owner, IonCatalogue& catalogue);

    Changed AddIon();
    Changed AddCation();
    Changed AddAnion();
    Changed ChangeIon();
    Changed DeleteIon();
    Changed SortIons();

private:
    enum class Side { Cation, Anion };

    Changed addEntry(Side side);
    Changed changeEntry(Side side, std::uint32_t number);
    // NUMBERDLG until a number of the chosen list is given; the chosen side and 1-based
    // number, or nothing when cancelled.
    std::optional<std::pair<Side, std::uint32_t>> askNumber();
    using IonDialog = int (*)(Ui&, QObject*, IonEntry&);
    // Runs an ion dialog until its entry passes the check; the accepted charge.
    std::optional<std::int32_t> askEntry(IonDialog dialog, const EntryMessages& messages);
    // The entry as it is stored: name and symbol without trailing blanks.
    TIon acceptedIon(std::int32_t charge) const;

    Ui& ui;
    QObject* owner;
    IonCatalogue& catalogue;
    // Both choices start at Cation.
    AddChoice choice{.cation = 1, .anion = 0};
    NumberEntry number{.number = {}, .cation = 1, .anion = 0};
    IonEntry ion;
};
