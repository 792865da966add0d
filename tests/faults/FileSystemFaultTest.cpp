// Faults of a real file system: a disk that fills in the middle of a save or a print, a
// folder that turns read-only, files that turn into something unreadable. The tests mount a
// small file system of their own where the machine allows it (they run as root), and skip
// otherwise.
#include "app/TFrame.h"

#include "catalogue/CatalogueFile.h"
#include "catalogue/ListPrintout.h"
#include "gui/Printer.h"
#include "platform/Random.h"
#include "print/PdfCheck.h"
#include "quiz/QuizFile.h"
#include "resources/CommandIds.h"
#include "shell/CatalogueSide.h"
#include "support/CatalogueFiles.h"
#include "support/FixedClock.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "views/TPracticeWindow.h"
#include "views/TQuizWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

#include <sys/mount.h>

namespace {

using Strings = std::vector<std::string>;

// A tmpfs of the given size mounted on a temporary folder, which is the current directory
// while it lives.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const char* size)
        : previous(QDir::currentPath())
    {
        const std::string options = std::string("size=") + size;
        mounted = ::mount("tmpfs", dir.path().toLocal8Bit().constData(), "tmpfs", 0,
                          options.c_str()) == 0;
        if (mounted)
            QDir::setCurrent(dir.path());
    }
    ~SmallFileSystem()
    {
        QDir::setCurrent(previous);
        if (mounted)
            ::umount2(dir.path().toLocal8Bit().constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool ready() const { return mounted; }
    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Fills the file system with one-page filler files until it takes no more (its count of
    // free pages is only approximate, so it is asked until it refuses three times running).
    void fillCompletely()
    {
        const QByteArray page(4096, 'f');
        for (int refusals = 0; refusals < 3;) {
            QFile filler(path(QStringLiteral("filler%1").arg(fillers)));
            const bool whole = filler.open(QIODevice::WriteOnly) && filler.write(page) == page.size() &&
                               filler.flush();
            filler.close();
            if (whole) {
                ++fillers;
                refusals = 0;
            } else {
                QFile::remove(filler.fileName());
                ++refusals;
            }
        }
    }
    // Frees one page, so that a longer save runs out of room part way.
    void fillLeavingOnePage()
    {
        fillCompletely();
        if (fillers > 0)
            QFile::remove(path(QStringLiteral("filler%1").arg(--fillers)));
    }
    void freeSpace()
    {
        while (fillers > 0)
            QFile::remove(path(QStringLiteral("filler%1").arg(--fillers)));
    }
    bool makeReadOnly() const
    {
        return ::mount(nullptr, dir.path().toLocal8Bit().constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    // Everything but the filler files.
    QStringList entries() const
    {
        QStringList names;
        for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            if (!name.startsWith("filler"))
                names << name;
        return names;
    }

private:
    QTemporaryDir dir;
    QString previous;
    bool mounted = false;
    int fillers = 0;
};

#define REQUIRE_MOUNT(fs)                                                                          \
    if (!(fs).ready())                                                                             \
    GTEST_SKIP() << "this machine does not let the test mount a file system"

TEST(FileSystemFault, ACatalogueSaveThatFillsTheDiskLeavesTheOldFile)
{
    SmallFileSystem fs("256k");
    REQUIRE_MOUNT(fs);
    const QByteArray oldCations = catalogue_file::serialize(ions(3, "Old"));
    const QByteArray oldAnions = catalogue_file::serialize(ions(2, "old"));
    fs.write("valkora.cat", oldCations);
    fs.write("valkora.ani", oldAnions);
    ScriptedUi ui;
    CatalogueSide side(ui);

    // Two thousand entries need twenty pages; one is free.
    side.catalogue().cations = ions(2000, "Cation");
    fs.fillLeavingOnePage();
    side.commands.SaveCations();
    EXPECT_EQ(ui.messages(), Strings{"File valkora.cat cannot be found!|Warning"});
    EXPECT_EQ(fs.read("valkora.cat"), oldCations);
    EXPECT_EQ(fs.read("valkora.ani"), oldAnions);
    EXPECT_EQ(fs.entries(), (QStringList{"valkora.ani", "valkora.cat"})) << "no half-written file";
    // The box keeps its words; the writer knows why, for a file within Qt's write buffer too.
    for (const int entries : {200, 2000}) {
        const SaveOutcome full = catalogue_file::save(fs.path("valkora.cat"), ions(entries, "Cation"));
        EXPECT_EQ(full.error().toStdString(), "No space left on device") << entries << " entries";
    }
    EXPECT_EQ(fs.read("valkora.cat"), oldCations);

    // With room again the next save goes through.
    fs.freeSpace();
    ui.clearCalls();
    side.commands.SaveCations();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(fs.read("valkora.cat"), catalogue_file::serialize(side.catalogue().cations));
}

struct FullDisk {
    const char* name;
    void (SmallFileSystem::*fill)();
};

void PrintTo(const FullDisk& disk, std::ostream* out)
{
    *out << disk.name;
}

class PrintToAFullDisk : public ::testing::TestWithParam<FullDisk> {};

// Qt's PDF engine reports success however many of its writes failed: the job itself finds
// the cut-off file, says why and takes it away.
TEST_P(PrintToAFullDisk, IsReportedAndLeavesNoFile)
{
    SmallFileSystem fs("256k");
    REQUIRE_MOUNT(fs);
    IonCatalogue lists;
    lists.cations = ions(300, "Cation");
    lists.anions = ions(200, "anion");
    ListPrintout printout(lists);
    ScriptedUi ui;
    QWidget window;
    Printer printer(ui);
    const std::string file = fs.path("list.pdf").toStdString();

    (fs.*GetParam().fill)();
    ui.expectPrintDialog(file).ok();
    EXPECT_FALSE(printer.Print(&window, printout, true));
    EXPECT_EQ(ui.messages(), Strings{"'List' not printed. Out of disk space.|Print Error"});
    EXPECT_EQ(ui.callsOf(ScriptedUi::Call::Kind::Message)[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(fs.entries().isEmpty()) << "no half-written file";
    EXPECT_TRUE(window.isEnabled());

    // With room again the same job goes through, whole.
    fs.freeSpace();
    ui.clearCalls();
    ui.expectPrintDialog(file).ok();
    EXPECT_TRUE(printer.Print(&window, printout, true));
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_TRUE(pdfIsWhole(fs.read("list.pdf")));
    EXPECT_GT(pdfPageCount(fs.path("list.pdf")), 1);
}

INSTANTIATE_TEST_SUITE_P(FileSystemFault, PrintToAFullDisk,
                         ::testing::Values(FullDisk{"no_room_at_all", &SmallFileSystem::fillCompletely},
                                           FullDisk{"room_for_a_page", &SmallFileSystem::fillLeavingOnePage}),
                         [](const ::testing::TestParamInfo<FullDisk>& info) { return std::string(info.param.name); });

class FaultShell : public ::testing::Test {
protected:
    void start(const char* size)
    {
        fs = std::make_unique<SmallFileSystem>(size);
        if (!fs->ready())
            return;
        fs->write("valkora.cat", catalogue_file::serialize(ions(4, "Cation")));
        fs->write("valkora.ani", catalogue_file::serialize(ions(3, "anion")));
        fs->write("valkora.hed", "Name: ____\r\nQuiz\r\n");
        frame = std::make_unique<TFrame>(ui, clock, random);
    }

    std::unique_ptr<SmallFileSystem> fs;
    ScriptedUi ui;
    FixedClock clock{42};
    Random random;
    std::unique_ptr<TFrame> frame;
};

TEST_F(FaultShell, AFullDiskStopsQuizAndHeadingSavesWithTheirMessages)
{
    start("64k");
    REQUIRE_MOUNT(*fs);
    fs->write("kept.qzz", quiz_file::serialize({TSentence("Old quiz\n", 0)}));
    const QByteArray oldQuiz = fs->read("kept.qzz");
    const QByteArray oldHeading = fs->read("valkora.hed");
    fs->fillCompletely();

    // The heading cannot be stored: no quiz is made.
    ui.expectDialog(DialogId::EditHeading).set(&HeadingEntry::heading, "New heading\r\n").ok();
    frame->dispatchCommand(cmd::New);
    EXPECT_EQ(ui.messages(), Strings{"Unable to open valkora.hed|Warning"});
    EXPECT_EQ(fs->read("valkora.hed"), oldHeading);
    EXPECT_EQ(frame->mode(), TFrame::Mode::Catalogue);

    // A generated quiz cannot be stored over the old one.
    fs->freeSpace();
    ui.clearCalls();
    ui.expectDialog(DialogId::EditHeading).ok();
    ui.expectDialog(DialogId::Highest).fill(RangeEntry{"4", "3"}).ok();
    frame->dispatchCommand(cmd::New);
    ASSERT_EQ(frame->mode(), TFrame::Mode::QuizPreview);
    fs->fillCompletely();
    ui.answer(MessageAnswer::Yes);
    ui.expectSaveFile(fs->path("kept.qzz").toStdString());
    frame->dispatchCommand(cmd::DontPrint);
    EXPECT_EQ(ui.messages().back(), "File cannot be found!|Warning");
    EXPECT_EQ(fs->read("kept.qzz"), oldQuiz);
    EXPECT_EQ(frame->mode(), TFrame::Mode::Catalogue);
}

TEST_F(FaultShell, AReadOnlyFolderKeepsEveryFileAndTheProgramGoesOn)
{
    start("64k");
    REQUIRE_MOUNT(*fs);
    const QByteArray cations = fs->read("valkora.cat");
    const QByteArray anions = fs->read("valkora.ani");
    ASSERT_TRUE(fs->makeReadOnly());

    ui.expectDialog(DialogId::FirstDialog).ok();
    ui.expectDialog(DialogId::AddCat).fill(IonEntry{"Sodium", "Na", "1"}).ok();
    frame->dispatchCommand(cmd::Add);
    frame->dispatchCommand(cmd::Sort);
    EXPECT_EQ(ui.messages(), (Strings{"File valkora.cat cannot be found!|Warning",
                                      "File valkora.cat cannot be found!|Warning",
                                      "File valkora.ani cannot be found!|Warning"}));
    EXPECT_EQ(fs->read("valkora.cat"), cations);
    EXPECT_EQ(fs->read("valkora.ani"), anions);
    // The edit stays in memory and the program goes on.
    EXPECT_EQ(frame->catalogueStore().catalogue().cations.count(), 5u);
    const SaveOutcome refused = quiz_file::save(fs->path("new.qzz"), {TSentence("KBr", 1)});
    EXPECT_EQ(refused.error().toStdString(), "Read-only file system");

    // Printing to a file there cannot begin.
    ui.clearCalls();
    ui.expectPrintDialog(fs->path("list.pdf").toStdString()).ok();
    frame->dispatchCommand(cmd::PrintList);
    EXPECT_EQ(ui.messages(), Strings{"'List' not printed. Error encountered during print.|Print Error"});
    EXPECT_TRUE(frame->isEnabled());
}

TEST(FileFault, UnreadableCataloguesAndQuizzesAreReportedAndNothingIsLost)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    // A folder where the cation file should be: the anions are read all the same.
    QDir(dir.path()).mkdir("valkora.cat");
    {
        QFile anions(dir.filePath("valkora.ani"));
        ASSERT_TRUE(anions.open(QIODevice::WriteOnly));
        anions.write(catalogue_file::serialize(ions(2, "anion")));
    }
    ScriptedUi ui;
    FixedClock clock{42};
    Random random;
    TFrame frame(ui, clock, random);
    EXPECT_EQ(ui.messages(), Strings{"Cannot open valkora.cat|Information"});
    EXPECT_EQ(ui.calls().front().owner, &frame.catalogueView());
    EXPECT_EQ(frame.catalogueStore().catalogue().anions.count(), 2u);

    // A quiz file that turned into a folder between choice and read.
    QDir(dir.path()).mkdir("gone.qzz");
    ui.clearCalls();
    ui.expectOpenFile(dir.filePath("gone.qzz").toStdString());
    frame.dispatchCommand(cmd::Open);
    EXPECT_EQ(ui.messages(), Strings{"Cannot open " + dir.filePath("gone.qzz").toStdString() + "|Information"});
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_TRUE(frame.quizView().sentences().empty());
    frame.dispatchCommand(cmd::DontPrint); // opened, so nothing is asked
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_TRUE(QFileInfo(dir.filePath("valkora.cat")).isDir());
    QDir::setCurrent(previous);
}

} // namespace
