#include "StarterData.h"
#include "catalogue/CatalogueFile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray sourceFile(const char* name)
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The binary starter lists must be what the program's writer makes of the readable source.
TEST(StarterData, BinaryListsAreInStepWithTheirSource)
{
    const StarterData data = parseStarterData(sourceFile("ions.csv"));
    ASSERT_EQ(data.error, "");
    EXPECT_EQ(sourceFile("valkora.cat"), catalogue_file::serialize(data.lists.cations))
        << "remake them: build/valkora-makedata data/ions.csv data";
    EXPECT_EQ(sourceFile("valkora.ani"), catalogue_file::serialize(data.lists.anions))
        << "remake them: build/valkora-makedata data/ions.csv data";
}

TEST(StarterData, ListsStartWithTheEasiestIonsAndFitTheEditingDialogs)
{
    const StarterData data = parseStarterData(sourceFile("ions.csv"));
    ASSERT_EQ(data.lists.cations.count(), 28u);
    ASSERT_EQ(data.lists.anions.count(), 29u);
    EXPECT_EQ(data.lists.cations.at(0), TIon("Sodium", "Na", 1));
    EXPECT_EQ(data.lists.cations.at(27), TIon("Mercury(II)", "Hg", 2));
    EXPECT_EQ(data.lists.anions.at(0), TIon("chloride", "Cl", 1));
    EXPECT_EQ(data.lists.anions.at(28), TIon("thiosulfate", "S2O3", 2));
    for (const IonList* list : {&data.lists.cations, &data.lists.anions}) {
        for (const TIon& ion : *list) {
            EXPECT_FALSE(ion.name.empty() || ion.name.front() == ' ' || ion.name.back() == ' ');
            EXPECT_LE(ion.name.size(), 19u);
            EXPECT_LE(ion.symbol.size(), 14u);
            EXPECT_TRUE(ion.charge >= 1 && ion.charge <= 4) << ion.name;
        }
    }
}

// Heading lines of 2 to 59 characters: a 60-character line would add an empty quiz line and
// a one-character line would be skipped.
TEST(StarterData, HeadingHasTwoLinesThatAQuizKeepsWhole)
{
    const QList<QByteArray> lines = sourceFile("valkora.hed").replace("\r", "").split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.last(), "");
    for (int i = 0; i < 2; ++i) {
        EXPECT_GE(lines[i].size(), 2);
        EXPECT_LE(lines[i].size(), 59);
    }
}

TEST(StarterData, AMalformedLineIsReported)
{
    EXPECT_EQ(parseStarterData("cation,Sodium,Na,1\nanion,oxide,O\n").error,
              "line 2 is not kind,name,symbol,charge");
    EXPECT_EQ(parseStarterData("ion,Sodium,Na,1\n").error, "line 1 is not kind,name,symbol,charge");
    EXPECT_EQ(parseStarterData("# comment\n\ncation,Sodium,Na,x\n").error,
              "line 3 is not kind,name,symbol,charge");
}

} // namespace
