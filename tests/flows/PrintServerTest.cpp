// Print List to a print server's queue, as at school: a job reaches the queue only whole, and a
// cancelled one not at all.
#include "app/TFrame.h"
#include "platform/Random.h"
#include "print/PdfCheck.h"
#include "resources/CommandIds.h"
#include "support/CatalogueFiles.h"
#include "support/FixedClock.h"
#include "support/PdfPages.h"
#include "support/PrintServer.h"
#include "support/ScriptedUi.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

using Strings = std::vector<std::string>;

class PrintServerFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server.running())
            GTEST_SKIP() << "no print server of the test's own: " << server.failure();
        // The spool goes to the temporary folder, so a job left behind would show there.
        qputenv("TMPDIR", spoolFolder.path().toLocal8Bit());
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    // Prints the list of the given length to the test's queue through Print List.
    void printList(int cations, int cancelAtPage, int copies = 1)
    {
        writeCatalogue(files, ions(cations, "Cation"), ions(3, "Anion"));
        frame = std::make_unique<TFrame>(ui, clock, random);
        if (cancelAtPage > 0)
            ui.cancelPrintingAtPage(cancelAtPage);
        ui.expectPrintDialog({}).queue(PrintServer::queue().toStdString()).copies(copies).ok();
        frame->dispatchCommand(cmd::PrintList);
        server.settle();
    }

    PrintServer server;
    TempFolder files;
    QTemporaryDir spoolFolder;
    ScriptedUi ui;
    FixedClock clock{42};
    Random random;
    std::unique_ptr<TFrame> frame;
};

TEST_F(PrintServerFlow, ALongListReachesTheQueueWholeWithItsCopies)
{
    printList(150, 0, 2);
    EXPECT_EQ(ui.messages(), Strings{});
    ASSERT_EQ(server.jobStates(), std::vector<ipp_jstate_t>{IPP_JSTATE_COMPLETED}) << server.log();
    ASSERT_EQ(QDir(server.out()).entryList(QDir::Files).join(' ').toStdString(), "job-1.options job-1.pdf");

    const QString pdf = server.out("job-1.pdf");
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfIsWhole(file.readAll()));
    // 150 lines do not fit one page; each page is in the file once, the server makes copies.
    EXPECT_GE(pdfPageCount(pdf), 2);
    const auto text = pdfText(pdf);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->contains("Cation1 ") && text->contains("Cation150") && text->contains("Anion3"));
    QFile optionsFile(server.out("job-1.options"));
    ASSERT_TRUE(optionsFile.open(QIODevice::ReadOnly));
    const QByteArray sent = optionsFile.readAll();
    const QByteArrayList words = sent.trimmed().split(' ');
    EXPECT_TRUE(words.contains("copies=2") && words.contains("Collate") && words.contains("sides=one-sided"))
        << sent.toStdString();
    EXPECT_TRUE(QDir(spoolFolder.path()).isEmpty());
}

// Cancel on the first page of a one-page list, or part way through a long one.
class PrintServerCancel : public PrintServerFlow, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(PrintServerCancel, SendsNoJobAndLeavesNoSpool)
{
    const auto [cations, cancelAt] = GetParam();
    printList(cations, cancelAt);
    EXPECT_EQ(ui.messages(), Strings{"'List' not printed. Printing canceled.|Print Error"});
    EXPECT_EQ(server.jobStates(), std::vector<ipp_jstate_t>{}) << server.log();
    EXPECT_TRUE(QDir(server.out()).isEmpty());
    EXPECT_TRUE(QDir(spoolFolder.path()).isEmpty());
    EXPECT_TRUE(frame->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Jobs, PrintServerCancel,
                         ::testing::Values(std::pair{3, 1}, std::pair{150, 2}),
                         [](const auto& row) { return row.param.first == 3 ? "OnePage" : "LongList"; });

} // namespace

namespace {

TEST_F(PrintServerFlow, AJobThatCannotBeSpooledFailsAndSendsNothing)
{
    // A file where the temporary folder should be: no spool can be made there.
    const QString notAFolder = spoolFolder.filePath("file");
    QFile(notAFolder).open(QIODevice::WriteOnly);
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    printList(150, 0);
    EXPECT_EQ(ui.messages(), Strings{"'List' not printed. Error encountered during print.|Print Error"});
    EXPECT_EQ(server.jobStates(), std::vector<ipp_jstate_t>{});
}

} // namespace
