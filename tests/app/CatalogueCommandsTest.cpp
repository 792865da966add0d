// The catalogue commands over the current folder: what loading and saving the lists say, and
// that an edit saves the lists it changed and no other.
#include "app/CatalogueCommands.h"

#include "catalogue/CatalogueFile.h"
#include "shell/CatalogueSide.h"
#include "support/Bytes.h"
#include "support/CatalogueFiles.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Call::Kind;
using Strings = std::vector<std::string>;

struct LoadCase {
    const char* label;
    QByteArray cat; // "missing" for no file
    QByteArray ani;
    std::vector<std::string> messages;
    std::uint32_t cations;
    std::uint32_t anions;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.label;
}

class CatalogueLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(CatalogueLoad, ShowsEachMessageOnceAndKeepsWhatCouldBeRead)
{
    const LoadCase& c = GetParam();
    TempFolder folder;
    if (c.cat != "missing")
        folder.write("valkora.cat", c.cat);
    if (c.ani != "missing")
        folder.write("valkora.ani", c.ani);

    ScriptedUi ui;
    CatalogueSide side(ui);
    EXPECT_EQ(ui.messages(), c.messages);
    for (const auto& call : ui.callsOf(Kind::Message)) {
        EXPECT_EQ(call.icon, MessageIcon::Exclamation);
        EXPECT_EQ(call.owner, &side.view);
    }
    EXPECT_EQ(side.catalogue().cations.count(), c.cations);
    EXPECT_EQ(side.catalogue().anions.count(), c.anions);
}

const QByteArray threeCations = catalogue_file::serialize(ions(3, "Cation"));
const QByteArray twoAnions = catalogue_file::serialize(ions(2, "anion"));

// The file with its count replaced.
QByteArray promising(std::uint32_t count, const QByteArray& file)
{
    return le32(count) + file.mid(4);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CatalogueLoad,
    ::testing::Values(
        LoadCase{"both_present", threeCations, twoAnions, {}, 3, 2},
        LoadCase{"cations_missing_anions_still_read", "missing", twoAnions,
                 {"Cannot open valkora.cat|Information"}, 0, 2},
        LoadCase{"anions_missing", threeCations, "missing",
                 {"Cannot open valkora.ani|Information"}, 3, 0},
        LoadCase{"both_missing", "missing", "missing",
                 {"Cannot open valkora.cat|Information", "Cannot open valkora.ani|Information"},
                 0, 0},
        LoadCase{"empty_files_say_nothing", "", QByteArray(4, '\0'), {}, 0, 0},
        LoadCase{"damaged_cations", promising(1000, threeCations), twoAnions,
                 {"valkora.cat is damaged: only 3 of 1000 entries could be read.|Information"},
                 3, 2},
        LoadCase{"damaged_anions", threeCations, twoAnions.left(4 + 39 + 20),
                 {"valkora.ani is damaged: only 1 of 2 entries could be read.|Information"}, 3,
                 1}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.label); });

TEST(CatalogueSave, WritesEachListToItsOwnFile)
{
    TempFolder folder;
    ScriptedUi ui;
    CatalogueSide side(ui); // both files missing: two messages
    ui.clearCalls();

    // The first add after a missing file creates it with its one entry.
    side.catalogue().cations.append(TIon("Sodium", "Na", 1));
    side.commands.SaveCations();
    EXPECT_EQ(folder.read("valkora.cat"), catalogue_file::serialize(side.catalogue().cations));
    EXPECT_FALSE(folder.exists("valkora.ani"));
    side.commands.SaveAnions();
    EXPECT_EQ(folder.read("valkora.ani"), QByteArray(4, '\0'));
    EXPECT_TRUE(ui.calls().empty());
}

TEST(CatalogueSave, AFailedSaveShowsItsMessageAndKeepsTheEdit)
{
    TempFolder folder;
    writeCatalogue(folder, ions(2, "Cation"), ions(2, "anion"));
    ScriptedUi ui;
    CatalogueSide side(ui);

    // Folders in the files' places: nothing can replace them.
    for (const char* name : {"valkora.cat", "valkora.ani"}) {
        QFile::remove(folder.path(name));
        ASSERT_TRUE(QDir(folder.path("")).mkdir(name));
    }
    side.catalogue().cations.append(TIon("Sodium", "Na", 1));
    side.commands.SaveCations();
    side.commands.SaveAnions();
    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"File valkora.cat cannot be found!|Warning",
                                                      "File valkora.ani cannot be found!|Warning"}));
    EXPECT_EQ(ui.calls().front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(ui.calls().front().owner, &side.view);
    EXPECT_EQ(side.catalogue().cations.count(), 3u);
    EXPECT_TRUE(QFileInfo(folder.path("valkora.cat")).isDir());
}

// The catalogue side over files of three cations and two anions in a folder of its own.
class CatalogueEdit : public ::testing::Test {
protected:
    struct Files {
        TempFolder folder;
        Files()
        {
            writeCatalogue(folder, IonList({TIon("Potassium", "K", 1), TIon("Calcium", "Ca", 2),
                                            TIon("Iron(III)", "Fe", 3)}),
                           IonList({TIon("chloride", "Cl", 1), TIon("sulfate", "SO4", 2)}));
        }
    };

    IonList fileList(const char* name) const
    {
        return catalogue_file::parse(files.folder.read(name)).ions;
    }

    Files files;
    ScriptedUi ui;
    CatalogueSide side{ui};
};

TEST_F(CatalogueEdit, RewritesTheFilesOfTheListsItChangedAndNoOther)
{
    const QByteArray anionBytes = files.folder.read("valkora.ani");
    const QDateTime anionTime = QFileInfo(files.folder.path("valkora.ani")).lastModified();
    ui.expectDialog(DialogId::FirstDialog).fill(AddChoice{1, 0}).ok();
    ui.expectDialog(DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(files.folder.read("valkora.cat").size(), 4 + 4 * 39);
    EXPECT_EQ(fileList("valkora.cat"), side.catalogue().cations);
    EXPECT_EQ(files.folder.read("valkora.ani"), anionBytes);
    EXPECT_EQ(QFileInfo(files.folder.path("valkora.ani")).lastModified(), anionTime);

    const QByteArray cationBytes = files.folder.read("valkora.cat");
    ui.expectDialog(DialogId::NumberDlg).fill(NumberEntry{"1", 0, 1}).ok();
    side.commands.edit(&CatalogueEditor::DeleteIon);
    EXPECT_EQ(fileList("valkora.ani"), IonList({TIon("sulfate", "SO4", 2)}));
    EXPECT_EQ(files.folder.read("valkora.cat"), cationBytes);

    // Removed, so that the sort must write them anew.
    QFile::remove(files.folder.path("valkora.cat"));
    QFile::remove(files.folder.path("valkora.ani"));
    side.commands.edit(&CatalogueEditor::SortIons);
    EXPECT_EQ(fileList("valkora.cat"), IonList({TIon("Calcium", "Ca", 2), TIon("Iron(III)", "Fe", 3),
                                                TIon("Potassium", "K", 1), TIon("Sodium", "Na", 1)}));
    EXPECT_EQ(fileList("valkora.ani"), side.catalogue().anions);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CatalogueEdit, AFailedSaveKeepsTheEditAndSaysSo)
{
    QFile::remove(files.folder.path("valkora.cat"));
    ASSERT_TRUE(QDir(files.folder.path("")).mkdir("valkora.cat"));
    ui.expectDialog(DialogId::FirstDialog).fill(AddChoice{1, 0}).ok();
    ui.expectDialog(DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    side.commands.edit(&CatalogueEditor::AddIon);
    EXPECT_EQ(ui.messages(), Strings{"File valkora.cat cannot be found!|Warning"});
    EXPECT_EQ(side.catalogue().cations.count(), 4u);
}

} // namespace
