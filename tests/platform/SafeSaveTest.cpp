#include "platform/SafeSave.h"

#include "support/FailingWrite.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList filesIn(const TempFolder& folder)
{
    return QDir(folder.path("")).entryList(QDir::Files, QDir::Name);
}

// Two files saved together: the small one fits, the large one runs out of room part way.
TEST(SaveAllWhole, ReplacesEveryFileOrNone)
{
    TempFolder folder;
    folder.write("small", "old small");
    folder.write("large", "old large");
    const std::vector<FileBytes> files{{folder.path("small"), QByteArray(10, 's')},
                                       {folder.path("large"), QByteArray(100, 'l')}};

    for (qint64 room : {0, 10, 50, 99}) {
        SCOPED_TRACE(room);
        EXPECT_EQ(saveAllWhole(files, FailingWrite{room}).error().toStdString(),
                  "only part of the file could be written");
        EXPECT_EQ(folder.read("small"), QByteArray("old small"));
        EXPECT_EQ(folder.read("large"), QByteArray("old large"));
        EXPECT_EQ(filesIn(folder), QStringList({"large", "small"}));
    }

    EXPECT_TRUE(saveAllWhole(files, FailingWrite{100}));
    EXPECT_EQ(folder.read("small"), QByteArray(10, 's'));
    EXPECT_EQ(folder.read("large"), QByteArray(100, 'l'));
    EXPECT_EQ(filesIn(folder), QStringList({"large", "small"}));
}

TEST(SaveAllWhole, AFileThatCannotBeMadeStopsTheOthers)
{
    TempFolder folder;
    folder.write("first", "old first");
    const std::vector<FileBytes> files{{folder.path("first"), "new first"},
                                       {folder.path("no such folder/second"), "new second"}};
    EXPECT_EQ(saveAllWhole(files).error().toStdString(), "No such file or directory");
    EXPECT_EQ(folder.read("first"), QByteArray("old first"));
    EXPECT_EQ(filesIn(folder), QStringList("first"));
}

} // namespace
