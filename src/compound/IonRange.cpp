#include "compound/IonRange.h"

#include "platform/DecimalText.h"
#include "platform/Ui.h"
#include "resources/DialogRecords.h"

bool rangeWithinLists(IonRange range, const IonCatalogue& catalogue)
{
    return range.highestCation >= 1 && range.highestAnion >= 1
           && range.highestCation <= catalogue.cations.count()
           && range.highestAnion <= catalogue.anions.count();
}

std::optional<IonRange> askIonRange(Ui& ui, QObject* owner, const IonCatalogue& catalogue)
{
    // The two numbers as typed. Cleared once; a refused range is shown again.
    RangeEntry typed;
    for (;;) {
        if (runDialog<DialogId::Highest>(ui, owner, typed) != dialogOk)
            return std::nullopt;
        // Compared unsigned, so a negative number becomes a very large one and is refused.
        const auto n = static_cast<std::uint32_t>(readDecimal(typed.highestCation));
        const auto m = static_cast<std::uint32_t>(readDecimal(typed.highestAnion));
        if (rangeWithinLists({n, m}, catalogue))
            return IonRange{n, m};
        ui.messageBox(owner, ionRangeWarning, "Warning", MessageIcon::Exclamation);
    }
}

void buildWorkingLists(const IonCatalogue& catalogue, IonRange range, WorkingLists& target)
{
    for (std::uint32_t i = 0; i < range.highestCation; ++i)
        target.cations.append(catalogue.cations.at(i));
    for (std::uint32_t i = 0; i < range.highestAnion; ++i)
        target.anions.append(catalogue.anions.at(i));
}
