#include "compound/IonRange.h"

#include "platform/DecimalText.h"
#include "platform/Ui.h"
#include "resources/DialogRecords.h"

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
        if (n >= 1 && m >= 1 && n <= catalogue.cations.count() && m <= catalogue.anions.count())
            return IonRange{n, m};
        ui.messageBox(owner, "Make sure your values are within the range of cations and anions listed!!",
                      "Warning", MessageIcon::Exclamation);
    }
}

void buildWorkingLists(const IonCatalogue& catalogue, IonRange range, WorkingLists& target)
{
    for (std::uint32_t i = 0; i < range.highestCation; ++i)
        target.cations.append(catalogue.cations.at(i));
    for (std::uint32_t i = 0; i < range.highestAnion; ++i)
        target.anions.append(catalogue.anions.at(i));
}
