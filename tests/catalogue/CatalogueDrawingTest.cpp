#include "catalogue/CatalogueDrawing.h"

#include "support/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Text = RecordingSurface::Text;

// Line height h = 15, so the line pitch is 30 and the subscript drop 5; every character is 7
// wide but X, which is 9: W25 = 225, W10 = 90, W11 = 99.
RecordingSurface surface()
{
    RecordingSurface s(15, 7);
    s.setCharWidth('X', 9);
    return s;
}

constexpr Rgb black = colours::black;

TEST(CatalogueDrawing, EmptyListsDrawOnlyTitlesAndHeadings)
{
    RecordingSurface s = surface();
    catalogue_drawing::drawAll(s, IonCatalogue{});
    const std::vector<Text> expected = {
        {30, 10, "Cations:", black},       {15, 40, "     Name:", black},
        {235, 40, "Symbol:", black},       {325, 40, "Charge:", black},
        {30, 100, "Anions:", black},       {15, 130, "     Name:", black},
        {235, 130, "Symbol:", black},      {325, 130, "Charge:", black},
    };
    EXPECT_EQ(s.texts(), expected);
}

TEST(CatalogueDrawing, EntriesAreNumberedPlacedAndSubscripted)
{
    IonCatalogue catalogue;
    catalogue.cations.append(TIon("Sodium", "Na", 1));
    catalogue.cations.append(TIon("Iron(III)", "Fe", 3));
    catalogue.anions.append(TIon("sulfate", "SO4", 2));
    catalogue.anions.append(TIon("odd", "C10H1", 3));

    RecordingSurface s = surface();
    catalogue_drawing::drawAll(s, catalogue);

    // Cation i at 10 + 2h(i + 1); "Anions:" at 10 + 2h(n + 3); anion j at 10 + 2h(n + 4 + j).
    const std::vector<Text> expected = {
        {30, 10, "Cations:", black},
        {15, 40, "     Name:", black},
        {235, 40, "Symbol:", black},
        {325, 40, "Charge:", black},
        {10, 70, "1.  Sodium", black},
        {235, 70, "N", black},
        {242, 70, "a", black},
        {334, 70, "1+", black},
        {10, 100, "2.  Iron(III)", black},
        {235, 100, "F", black},
        {242, 100, "e", black},
        {334, 100, "3+", black},
        {30, 160, "Anions:", black},
        {15, 190, "     Name:", black},
        {235, 190, "Symbol:", black},
        {325, 190, "Charge:", black},
        {10, 220, "1.  sulfate", black},
        {235, 220, "S", black},
        {242, 220, "O", black},
        {249, 225, "4", black}, // lowered by a third of the height of X
        {334, 220, "2-", black},
        {10, 250, "2.  odd", black},
        {235, 250, "C", black},
        {242, 255, "1", black},
        {249, 250, "0", black}, // the digit 0 stays on the line
        {256, 250, "H", black},
        {263, 255, "1", black},
        {334, 250, "3-", black},
    };
    EXPECT_EQ(s.texts(), expected);
}

TEST(CatalogueDrawing, SymbolCharactersAdvanceByTheirOwnWidths)
{
    IonCatalogue catalogue;
    catalogue.cations.append(TIon("Mercury(I)", "Hg2", 2));
    RecordingSurface s = surface();
    s.setCharWidth('H', 11);
    s.setCharWidth('g', 5);
    catalogue_drawing::drawAll(s, catalogue);
    EXPECT_EQ(s.find("H").x, 235);
    EXPECT_EQ(s.find("g").x, 246);
    EXPECT_EQ(s.find("2"), (Text{251, 75, "2", black}));
}

IonCatalogue bigCatalogue(int cations, int anions)
{
    IonCatalogue catalogue;
    for (int i = 0; i < cations; ++i)
        catalogue.cations.append(TIon("Cation " + std::to_string(i), "Cc2", 2));
    for (int i = 0; i < anions; ++i)
        catalogue.anions.append(TIon("anion " + std::to_string(i), "SO4", 1));
    return catalogue;
}

// Drawing only the lines of a window must show exactly what the whole drawing shows there.
TEST(CatalogueDrawing, AWindowOfLinesShowsWhatTheWholeDrawingShowsThere)
{
    const IonCatalogue catalogue = bigCatalogue(40, 30);
    RecordingSurface whole = surface();
    catalogue_drawing::drawAll(whole, catalogue);

    for (int top : {0, 7, 95, 100, 1234, 2170, 2200}) {
        const int bottom = top + 300;
        RecordingSurface part = surface();
        catalogue_drawing::draw(part, catalogue, catalogue_drawing::linesBetween(catalogue, 15, top, bottom),
                                top);
        for (const Text& t : whole.texts()) {
            const bool inSight = t.y + 15 > top && t.y < bottom;
            const Text shifted{t.x, t.y - top, t.text, t.colour};
            const bool drawn = std::find(part.texts().begin(), part.texts().end(), shifted) !=
                               part.texts().end();
            if (inSight) {
                EXPECT_TRUE(drawn) << "top " << top << ": " << t.text << " at y " << t.y;
            }
        }
        // Only the lines in sight, not the whole list.
        EXPECT_LT(part.texts().size(), 100u) << "top " << top;
    }
}

TEST(CatalogueDrawing, LinesBetweenStayWithinTheDrawing)
{
    const IonCatalogue catalogue = bigCatalogue(3, 2);
    EXPECT_EQ(catalogue_drawing::lineCount(catalogue), 10);
    const auto all = catalogue_drawing::linesBetween(catalogue, 15, -100, 100000);
    EXPECT_EQ(all.first, 0);
    EXPECT_EQ(all.end, 10);
    const auto below = catalogue_drawing::linesBetween(catalogue, 15, 5000, 6000);
    EXPECT_EQ(below.first, below.end);
    // The last line's subscripts reach 10 + 30 * 9 + 15 + 5.
    EXPECT_EQ(catalogue_drawing::drawingHeight(catalogue, 15), 300);
}

TEST(CatalogueDrawing, AHundredThousandEntriesDrawOneScreenOnly)
{
    const IonCatalogue catalogue = bigCatalogue(100000, 0);
    RecordingSurface s = surface();
    const int top = 30 * 50000;
    catalogue_drawing::draw(s, catalogue, catalogue_drawing::linesBetween(catalogue, 15, top, top + 600),
                            top);
    ASSERT_FALSE(s.texts().empty());
    EXPECT_LT(s.texts().size(), 200u);
    EXPECT_EQ(s.texts().front().text, "49999.  Cation 49998");
}

} // namespace
