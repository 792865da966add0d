#include "catalogue/CatalogueEditor.h"

#include "platform/DecimalText.h"
#include "platform/Ui.h"

#include <algorithm>

namespace {

const EntryMessages addCation{
    "You must include a cation name.", "You must include a cation symbol.",
    "You must include a cation charge.", "You must include a cation charge from 1+ to 4+."};
const EntryMessages addAnion{
    "You must include an anion name.", "You must include an anion symbol.",
    "You must include an anion charge.", "You must include a anion charge from 1- to 4-."};
// Change Cation warns as Add Cation does; Change Anion's range message names + charges.
const EntryMessages changeAnion{
    "You must include an anion name.", "You must include an anion symbol.",
    "You must include an anion charge.", "You must include an anion charge from 1+ to 4+."};

bool emptyOrBlankFirst(const std::string& text)
{
    return text.empty() || text.front() == ' ';
}

// What an edit of one side changed.
CatalogueEditor::Changed changedSide(bool cation)
{
    return cation ? CatalogueEditor::Changed::Cations : CatalogueEditor::Changed::Anions;
}

} // namespace

void TrimTrailingBlanks(std::string& text)
{
    std::size_t end = text.size();
    while (end > 1 && text[end - 1] == ' ')
        --end;
    text.resize(end);
}

EntryCheck checkEntry(const IonEntry& ion, const EntryMessages& messages)
{
    // Only the first character of each text is looked at.
    if (emptyOrBlankFirst(ion.name))
        return {messages.name};
    if (emptyOrBlankFirst(ion.symbol))
        return {messages.symbol};
    if (emptyOrBlankFirst(ion.charge))
        return {messages.charge};
    const std::int32_t charge = readDecimal(ion.charge);
    if (charge < 1 || charge > 4)
        return {messages.range};
    return {std::nullopt, charge};
}

CatalogueEditor::CatalogueEditor(Ui& ui, QObject* owner, IonCatalogue& catalogue)
    : ui(ui)
    , owner(owner)
    , catalogue(catalogue)
{
}

CatalogueEditor::Changed CatalogueEditor::AddIon()
{
    if (runDialog<DialogId::FirstDialog>(ui, owner, choice) != dialogOk)
        return Changed::Nothing;
    return choice.cation == 1 ? AddCation() : AddAnion();
}

CatalogueEditor::Changed CatalogueEditor::AddCation()
{
    return addEntry(Side::Cation);
}

CatalogueEditor::Changed CatalogueEditor::AddAnion()
{
    return addEntry(Side::Anion);
}

std::optional<std::int32_t> CatalogueEditor::askEntry(IonDialog dialog,
                                                      const EntryMessages& messages)
{
    for (;;) {
        if (dialog(ui, owner, ion) != dialogOk)
            return std::nullopt;
        // The warning comes after the dialog has closed; the dialog then opens anew with
        // what was typed.
        const EntryCheck check = checkEntry(ion, messages);
        if (!check.problem)
            return check.charge;
        ui.messageBox(owner, *check.problem, "Warning", MessageIcon::Exclamation);
    }
}

TIon CatalogueEditor::acceptedIon(std::int32_t charge) const
{
    std::string name = ion.name;
    std::string symbol = ion.symbol;
    TrimTrailingBlanks(name);
    TrimTrailingBlanks(symbol);
    return TIon(name, symbol, charge);
}

CatalogueEditor::Changed CatalogueEditor::addEntry(Side side)
{
    ion = {};
    const bool cation = side == Side::Cation;
    const std::optional<std::int32_t> charge =
        askEntry(cation ? &runDialog<DialogId::AddCat> : &runDialog<DialogId::AddAn>,
                 cation ? addCation : addAnion);
    if (!charge)
        return Changed::Nothing;
    (cation ? catalogue.cations : catalogue.anions).append(acceptedIon(*charge));
    return changedSide(cation);
}

std::optional<std::pair<CatalogueEditor::Side, std::uint32_t>> CatalogueEditor::askNumber()
{
    number.number.clear();
    for (;;) {
        if (runDialog<DialogId::NumberDlg>(ui, owner, number) != dialogOk)
            return std::nullopt;
        const std::int32_t typed = readDecimal(number.number);
        const bool cation = number.cation == 1;
        const IonList& list = cation ? catalogue.cations : catalogue.anions;
        if (typed >= 1 && static_cast<std::uint32_t>(typed) <= list.count())
            return std::pair{cation ? Side::Cation : Side::Anion, static_cast<std::uint32_t>(typed)};
        ui.messageBox(owner,
                      cation ? "You must include a cation number that exists."
                             : "You must include an anion number that exists.",
                      "Warning", MessageIcon::Exclamation);
    }
}

CatalogueEditor::Changed CatalogueEditor::ChangeIon()
{
    const auto chosen = askNumber();
    return chosen ? changeEntry(chosen->first, chosen->second) : Changed::Nothing;
}

CatalogueEditor::Changed CatalogueEditor::changeEntry(Side side, std::uint32_t n)
{
    const bool cation = side == Side::Cation;
    TIon& entry = (cation ? catalogue.cations : catalogue.anions).at(n - 1);
    // An entry from a damaged file may hold more than the fields take: they get what fits.
    ion = fittedToDialog(IonEntry{entry.name, entry.symbol, std::to_string(entry.charge)});
    const std::optional<std::int32_t> charge =
        askEntry(cation ? &runDialog<DialogId::ChangeCat> : &runDialog<DialogId::ChangeAn>,
                 cation ? addCation : changeAnion);
    if (!charge)
        return Changed::Nothing;
    entry = acceptedIon(*charge);
    return changedSide(cation);
}

CatalogueEditor::Changed CatalogueEditor::DeleteIon()
{
    const auto chosen = askNumber();
    if (!chosen)
        return Changed::Nothing;
    const bool cation = chosen->first == Side::Cation;
    (cation ? catalogue.cations : catalogue.anions).remove(chosen->second - 1);
    return changedSide(cation);
}

CatalogueEditor::Changed CatalogueEditor::SortIons()
{
    // Byte-wise unsigned order of the names, equal names keeping their order; symbols and
    // charges travel with their names.
    const auto byName = [](const TIon& a, const TIon& b) { return a.name < b.name; };
    std::stable_sort(catalogue.cations.items().begin(), catalogue.cations.items().end(), byName);
    std::stable_sort(catalogue.anions.items().begin(), catalogue.anions.items().end(), byName);
    return Changed::Both;
}
