#include "quiz/TQuizWindow.h"

#include "app/TFrame.h"
#include "catalogue/CatalogueFile.h"
#include "compound/CompoundRules.h"
#include "platform/Clock.h"
#include "platform/DialogTemplate.h"
#include "practice/TPracticeWindow.h"
#include "quiz/QuizFile.h"
#include "support/PdfPages.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "views/TSymbolWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

using Kind = ScriptedUi::Call::Kind;

class FixedClock : public Clock {
public:
    std::int64_t seconds() override { return 1000; }
};

// Lets a test change the folder while a dialog is up, as another program could meanwhile.
class QuizUi : public ScriptedUi {
public:
    std::function<void(const std::string& templateName)> whileDialogShows;

    int runDialog(QObject* owner, const DialogTemplate& dialog, TransferRecord& record) override
    {
        if (whileDialogShows)
            whileDialogShows(dialog.name);
        return ScriptedUi::runDialog(owner, dialog, record);
    }
};

IonList fourCations()
{
    return IonList({TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2), TIon("Aluminum", "Al", 3),
                    TIon("Potassium", "K", 1)});
}

IonList threeAnions()
{
    return IonList({TIon("chloride", "Cl", 1), TIon("oxide", "O", 2), TIon("nitride", "N", 3)});
}

// "Metal 1" with symbol "Mab", ...: every name, symbol and so every compound differs.
IonList numbered(const std::string& name, char capital, int count)
{
    IonList list;
    for (int i = 1; i <= count; ++i)
        list.append(TIon(name + " " + std::to_string(i),
                         std::string{capital, char('a' + i / 26), char('a' + i % 26)}, 1 + i % 3));
    return list;
}

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

// One 104-byte quiz file record: the text, zero bytes up to 100, the flag.
QByteArray record(const QByteArray& text, std::int32_t isCompound)
{
    return text.leftJustified(100, '\0') + le32(static_cast<std::uint32_t>(isCompound));
}

// The quiz as lines, every exercise shown as "#", since which ions it holds is drawn at random.
std::vector<std::string> shape(const SentenceList& quiz)
{
    std::vector<std::string> lines;
    for (const TSentence& sentence : quiz)
        lines.push_back(sentence.isCompound ? "#" : sentence.text);
    return lines;
}

std::vector<std::string> describe(const IonList& list)
{
    std::vector<std::string> lines;
    for (const TIon& ion : list)
        lines.push_back(ion.name + "|" + ion.symbol + "|" + std::to_string(ion.charge));
    return lines;
}

// The catalogue positions of each exercise's cation and anion, found by matching its text with
// every pair of the range: names before the second section's title, formulas after it.
std::vector<std::pair<std::uint32_t, std::uint32_t>>
exercisePairs(const SentenceList& quiz, const IonCatalogue& catalogue, IonRange range)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> pairs;
    bool names = true;
    for (const TSentence& sentence : quiz) {
        if (sentence.text == "Write names for the following compounds: ")
            names = false;
        if (!sentence.isCompound)
            continue;
        bool found = false;
        for (std::uint32_t k = 0; k < range.highestCation && !found; ++k)
            for (std::uint32_t j = 0; j < range.highestAnion && !found; ++j) {
                const TIon& cation = catalogue.cations.at(k);
                const TIon& anion = catalogue.anions.at(j);
                if (sentence.text ==
                    (names ? compoundName(cation, anion) : compoundFormula(cation, anion))) {
                    pairs.emplace_back(k, j);
                    found = true;
                }
            }
        if (!found)
            ADD_FAILURE() << "no ions of the range make the exercise \"" << sentence.text << "\"";
    }
    return pairs;
}

// The working lists hold copies of the first N cations and M anions; the exercises use ions of
// that range, none twice, and exactly the copies of the ions used are marked taken.
void expectDrawnFromFreshLists(TQuizWindow& view, const IonCatalogue& catalogue,
                               IonRange range, std::size_t exercises)
{
    const auto pairs = exercisePairs(view.sentences(), catalogue, range);
    ASSERT_EQ(pairs.size(), exercises);
    std::set<std::uint32_t> cations;
    std::set<std::uint32_t> anions;
    for (const auto& [k, j] : pairs) {
        cations.insert(k);
        anions.insert(j);
    }
    EXPECT_EQ(cations.size(), exercises) << "a cation was used twice";
    EXPECT_EQ(anions.size(), exercises) << "an anion was used twice";

    const auto expected = [](const IonList& list, std::uint32_t count,
                             const std::set<std::uint32_t>& taken) {
        IonList copies;
        for (std::uint32_t i = 0; i < count; ++i) {
            TIon copy = list.at(i);
            if (taken.count(i))
                copy.name.clear();
            copies.append(copy);
        }
        return describe(copies);
    };
    const WorkingLists& lists = view.workingLists();
    EXPECT_EQ(describe(lists.cations), expected(catalogue.cations, range.highestCation, cations));
    EXPECT_EQ(describe(lists.anions), expected(catalogue.anions, range.highestAnion, anions));
}

// The catalogue files and the heading file are in place before the frame loads anything.
class QuizShell : public ::testing::Test {
protected:
    QuizShell(const IonList& cations, const IonList& anions) : files(cations, anions) {}

    struct Files {
        TempFolder folder;
        Files(const IonList& cations, const IonList& anions)
        {
            folder.write("valkora.cat", catalogue_file::serialize(cations));
            folder.write("valkora.ani", catalogue_file::serialize(anions));
            folder.write("valkora.hed", "Name: ____\r\nQuiz\r\n");
        }
    } files;
    QuizUi ui;
    FixedClock clock;
    TFrame frame{ui, clock};

    TQuizWindow& view() { return frame.quizView(); }
    const IonCatalogue& catalogue() { return frame.catalogueView().catalogue(); }

    // New with the heading confirmed as it stands and the range n, m.
    void makeQuiz(const std::string& n, const std::string& m)
    {
        ui.expectDialog("EDITHEADING").ok();
        ui.expectDialog("HIGHEST").text(0, n).text(1, m).ok();
        frame.dispatchCommand(101);
        ASSERT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    }

    // Leaves a generated quiz through Don't Print, storing it under the name.
    void storeQuiz(const std::string& name)
    {
        ui.answer(MessageAnswer::Yes);
        ui.expectSaveFile(name);
        frame.dispatchCommand(603);
    }

    void expectLeftToCatalogue()
    {
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(frame.menuName(), "MENU_1");
        EXPECT_EQ(frame.windowTitle(), "Symbols and Charges Practice");
        EXPECT_TRUE(view().sentences().empty());
        EXPECT_EQ(view().sentenceCount(), 0u);
        EXPECT_TRUE(view().workingLists().cations.empty());
        EXPECT_TRUE(view().workingLists().anions.empty());
    }

    QStringList storedQuizzes() const
    {
        return QDir(files.folder.path(".")).entryList({"*.qzz"}, QDir::Files | QDir::Dirs);
    }
};

class QuizFlowNew : public QuizShell {
protected:
    QuizFlowNew() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowNew, NewEditsTheHeadingAndShowsAQuizOfTheRange)
{
    makeQuiz("3", "2");

    const auto dialogs = ui.callsOf(Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].text, "EDITHEADING");
    EXPECT_EQ(dialogs[0].shownTexts, std::vector<std::string>{"Name: ____\nQuiz\n"});
    EXPECT_EQ(dialogs[1].text, "HIGHEST");
    EXPECT_EQ(dialogs[1].owner, &frame.catalogueView());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Name: ____\r\nQuiz\r\n"));

    EXPECT_EQ(frame.menuName(), "MENU_4");
    EXPECT_EQ(frame.client(), &view());
    EXPECT_EQ(shape(view().sentences()),
              (std::vector<std::string>{"Name: ____\n", "Quiz\n", "",
                                        "Write formulas for the following compounds: ", " ", "#",
                                        " ", " ", " ", "Write names for the following compounds: ",
                                        " ", "#", " ", " "}));
    EXPECT_EQ(view().sentenceCount(), 14u);
    EXPECT_FALSE(view().openedFromFile());
    expectDrawnFromFreshLists(view(), catalogue(), {3, 2}, 2);
    // The catalogue itself keeps every name.
    EXPECT_EQ(describe(catalogue().cations), describe(fourCations()));
    EXPECT_EQ(describe(catalogue().anions), describe(threeAnions()));
}

TEST_F(QuizFlowNew, HeadingIsStoredWithEveryLineFeedAsCarriageReturnLineFeed)
{
    // A typed break comes back as 0D 0A, a wrap point as 0D 0D 0A.
    ui.expectDialog("EDITHEADING").text(0, "Line one\r\r\nLine two\r\n").ok();
    ui.expectDialog("HIGHEST").text(0, "1").text(1, "1").ok();
    frame.dispatchCommand(101);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Line one\r\r\r\nLine two\r\r\n"));
    // Read back as text, each break is one line of the quiz.
    ASSERT_EQ(view().sentenceCount(), 2u + 6 + 3);
    EXPECT_EQ(view().sentences()[0], TSentence("Line one\n", 0));
    EXPECT_EQ(view().sentences()[1], TSentence("Line two\n", 0));

    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);
    ui.clearCalls();
    ui.expectDialog("EDITHEADING").cancel();
    frame.dispatchCommand(101);
    EXPECT_EQ(ui.callsOf(Kind::Dialog).at(0).shownTexts,
              std::vector<std::string>{"Line one\nLine two\n"});
}

TEST_F(QuizFlowNew, CancelledHeadingLeavesTheFileAndMakesNoQuiz)
{
    const QByteArray odd("Name:\r\r\r\n\nQuiz\x1a after the end");
    files.folder.write("valkora.hed", odd);
    ui.expectDialog("EDITHEADING").text(0, "Something else").cancel();
    frame.dispatchCommand(101);

    EXPECT_EQ(files.folder.read("valkora.hed"), odd);
    ASSERT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(ui.calls()[0].shownTexts, std::vector<std::string>{"Name:\n\nQuiz"});
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
}

TEST_F(QuizFlowNew, UnreadableHeadingFileIsReportedAndNothingElseHappens)
{
    const std::vector<std::pair<std::string, std::function<void()>>> rows = {
        {"missing", [&] { QFile::remove(files.folder.path("valkora.hed")); }},
        {"a folder", [&] { QDir(files.folder.path(".")).mkdir("valkora.hed"); }},
    };
    for (const auto& [name, arrange] : rows) {
        SCOPED_TRACE(name);
        arrange();
        ui.clearCalls();
        frame.dispatchCommand(101);
        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Unable to open valkora.hed|Warning"});
        ASSERT_EQ(ui.calls().size(), 1u);
        EXPECT_EQ(ui.calls()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
        EXPECT_EQ(view().sentenceCount(), 0u);
    }
}

TEST_F(QuizFlowNew, HeadingThatCannotBeStoredIsReportedAndMakesNoQuiz)
{
    // The heading file turns into a folder while the dialog is up.
    ui.whileDialogShows = [&](const std::string& templateName) {
        if (templateName != "EDITHEADING")
            return;
        ASSERT_TRUE(QFile::remove(files.folder.path("valkora.hed")));
        ASSERT_TRUE(QDir(files.folder.path(".")).mkdir("valkora.hed"));
    };
    ui.expectDialog("EDITHEADING").text(0, "Class 7B\n").ok();
    frame.dispatchCommand(101);

    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Unable to open valkora.hed|Warning"});
    EXPECT_EQ(ui.callsOf(Kind::Dialog).size(), 1u);
    EXPECT_TRUE(QFileInfo(files.folder.path("valkora.hed")).isDir());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(view().sentenceCount(), 0u);
}

TEST_F(QuizFlowNew, CancelInTheRangeDialogKeepsTheStoredHeadingAndTheMode)
{
    ui.expectDialog("EDITHEADING").text(0, "Class 7B\n").ok();
    ui.expectDialog("HIGHEST").cancel();
    frame.dispatchCommand(101);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Class 7B\r\n"));
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
    EXPECT_TRUE(view().workingLists().anions.empty());
}

TEST_F(QuizFlowNew, NewDuringPracticeStoresTheHeadingAndTheSessionGoesOn)
{
    ui.expectDialog("HIGHEST").text(0, "2").text(1, "2").ok();
    frame.dispatchCommand(301);
    ASSERT_TRUE(frame.practiceView().sessionActive());

    ui.expectDialog("EDITHEADING").text(0, "Practice day\n").ok();
    frame.dispatchCommand(101);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Practice day\r\n"));
    // The range dialog of the practice, and the heading; no range is asked for a quiz.
    EXPECT_EQ(ui.callsOf(Kind::Dialog).size(), 2u);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Practice);
    EXPECT_EQ(frame.menuName(), "MENU_2");
    EXPECT_TRUE(frame.practiceView().sessionActive());
    EXPECT_EQ(view().sentenceCount(), 0u);
    EXPECT_TRUE(view().workingLists().cations.empty());
}

class QuizFlowNoAnions : public QuizShell {
protected:
    QuizFlowNoAnions() : QuizShell(fourCations(), IonList()) {}
};

TEST_F(QuizFlowNoAnions, NewStoresTheHeadingButMakesNoQuiz)
{
    ui.expectDialog("EDITHEADING").text(0, "Class 7B\n").ok();
    frame.dispatchCommand(101);

    EXPECT_EQ(files.folder.read("valkora.hed"), QByteArray("Class 7B\r\n"));
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");
    EXPECT_EQ(view().sentenceCount(), 0u);
}

class QuizFlowLeave : public QuizShell {
protected:
    QuizFlowLeave() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowLeave, StoringAGeneratedQuizWritesEveryLineThenEmptiesIt)
{
    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    ui.clearCalls();
    frame.setWindowTitle("a quiz");
    storeQuiz("kept.qzz");

    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, Kind::Message);
    EXPECT_EQ(calls[0].text, "Do you want to save this quiz?");
    EXPECT_EQ(calls[0].caption, "Save Quiz?");
    EXPECT_EQ(calls[0].icon, MessageIcon::Question);
    EXPECT_EQ(calls[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(calls[1].kind, Kind::SaveFile);
    EXPECT_EQ(calls[1].text, "");

    const QByteArray bytes = files.folder.read("kept.qzz");
    ASSERT_EQ(bytes.size(), 4 + 104 * 14);
    EXPECT_EQ(bytes.left(4), QByteArray::fromHex("0e000000"));
    EXPECT_EQ(bytes.mid(4, 104), record("Name: ____\n", 0));
    EXPECT_EQ(bytes.mid(4 + 3 * 104, 104), record("Write formulas for the following compounds: ", 0));
    EXPECT_EQ(bytes.mid(4 + 5 * 104 + 100, 4), QByteArray::fromHex("01000000"));
    EXPECT_EQ(quiz_file::parse(bytes).sentences, shown);

    expectLeftToCatalogue();
}

TEST_F(QuizFlowLeave, DecliningOrCancellingTheStoreWritesNothingAndEmptiesTheQuiz)
{
    for (bool cancelledSave : {false, true}) {
        SCOPED_TRACE(cancelledSave ? "save dialog cancelled" : "answered No");
        ASSERT_NO_FATAL_FAILURE(makeQuiz("3", "2"));
        ui.clearCalls();
        if (cancelledSave) {
            ui.answer(MessageAnswer::Yes);
            ui.cancelSaveFile();
        } else {
            ui.answer(MessageAnswer::No);
        }
        frame.dispatchCommand(603);

        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?"});
        EXPECT_EQ(ui.callsOf(Kind::SaveFile).size(), cancelledSave ? 1u : 0u);
        EXPECT_TRUE(storedQuizzes().empty());
        expectLeftToCatalogue();
    }
}

TEST_F(QuizFlowLeave, StoringOverALargerFileReplacesItWhole)
{
    files.folder.write("kept.qzz", QByteArray(5000, 'Z'));
    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    storeQuiz("kept.qzz");

    const QByteArray bytes = files.folder.read("kept.qzz");
    EXPECT_EQ(bytes.size(), 4 + 104 * 14);
    EXPECT_EQ(quiz_file::parse(bytes).sentences, shown);
}

TEST_F(QuizFlowLeave, StoringUnderAFolderNameIsReportedAndTheQuizEmptiedAllTheSame)
{
    ASSERT_TRUE(QDir(files.folder.path(".")).mkdir("taken.qzz"));
    makeQuiz("3", "2");
    ui.clearCalls();
    storeQuiz("taken.qzz");

    EXPECT_EQ(ui.messages(), (std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?",
                                                       "File cannot be found!|Warning"}));
    EXPECT_EQ(ui.calls().back().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(QFileInfo(files.folder.path("taken.qzz")).isDir());
    EXPECT_TRUE(QDir(files.folder.path("taken.qzz")).isEmpty());
    expectLeftToCatalogue();
}

class QuizFlowPrint : public QuizShell {
protected:
    QuizFlowPrint() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowPrint, ShortQuizPrintsOnePageThenOffersToStore)
{
    makeQuiz("3", "2");
    ui.clearCalls();
    const QString pdf = files.folder.path("quiz.pdf");
    ui.expectPrintDialog(pdf.toStdString()).ok();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(602);

    const auto calls = ui.calls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].kind, Kind::PrintDialog);
    EXPECT_EQ(calls[0].text, "1-2147483647");
    EXPECT_EQ(calls[1].kind, Kind::Printing);
    EXPECT_EQ(calls[1].text, "'Quiz' on the");
    EXPECT_EQ(calls[2].kind, Kind::Message);
    EXPECT_EQ(calls[2].text, "Do you want to save this quiz?");
    EXPECT_EQ(pdfPageCount(pdf), 1);
    EXPECT_EQ(ui.announcedPages(), std::vector<int>{1});
    expectLeftToCatalogue();
}

class QuizFlowLongQuiz : public QuizShell {
protected:
    QuizFlowLongQuiz() : QuizShell(numbered("Metal", 'M', 40), numbered("Nonmetal", 'Q', 40)) {}
};

TEST_F(QuizFlowLongQuiz, FortyExercisesPrintOnMoreThanOnePage)
{
    makeQuiz("40", "40");
    ASSERT_EQ(view().sentenceCount(), 2u + 6 + 3 * 40);
    expectDrawnFromFreshLists(view(), catalogue(), {40, 40}, 40);

    const QString pdf = files.folder.path("long.pdf");
    ui.expectPrintDialog(pdf.toStdString()).ok();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(602);

    const int pages = pdfPageCount(pdf);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(static_cast<int>(ui.announcedPages().size()), pages);
    expectLeftToCatalogue();
}

class QuizFlowOpen : public QuizShell {
protected:
    QuizFlowOpen() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowOpen, StoredQuizOpensAsItWasAndIsLeftWithoutAsking)
{
    makeQuiz("3", "2");
    const SentenceList stored = view().sentences();
    storeQuiz("kept.qzz");
    ui.clearCalls();

    ui.expectOpenFile("kept.qzz");
    frame.dispatchCommand(102);
    const auto opens = ui.callsOf(Kind::OpenFile);
    ASSERT_EQ(opens.size(), 1u);
    // The save dialog's choice is offered again.
    EXPECT_EQ(opens[0].text, "kept.qzz");
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(frame.menuName(), "MENU_4");
    EXPECT_EQ(view().sentences(), stored);
    EXPECT_EQ(view().sentenceCount(), 14u);
    EXPECT_TRUE(view().openedFromFile());

    ui.clearCalls();
    frame.dispatchCommand(603);
    EXPECT_TRUE(ui.calls().empty());
    expectLeftToCatalogue();
    EXPECT_EQ(storedQuizzes(), QStringList{"kept.qzz"});

    files.folder.write("other.qzz", le32(1) + record("Other", 0));
    ui.expectOpenFile("other.qzz");
    frame.dispatchCommand(102);
    ui.cancelOpenFile();
    frame.dispatchCommand(102);
    const auto offered = ui.callsOf(Kind::OpenFile);
    ASSERT_EQ(offered.size(), 2u);
    EXPECT_EQ(offered[0].text, "kept.qzz");
    EXPECT_EQ(offered[1].text, "other.qzz");
}

TEST_F(QuizFlowOpen, CancelledOpenChangesNothing)
{
    ui.cancelOpenFile();
    frame.dispatchCommand(102);
    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");

    makeQuiz("3", "2");
    const SentenceList shown = view().sentences();
    ui.cancelOpenFile();
    frame.dispatchCommand(102);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentences(), shown);
    EXPECT_FALSE(view().openedFromFile());
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);
}

TEST_F(QuizFlowOpen, VanishedFileGivesAnEmptyQuizThatIsNotOffered)
{
    for (bool quizShown : {false, true}) {
        SCOPED_TRACE(quizShown ? "over a generated quiz" : "in catalogue mode");
        if (quizShown) {
            ASSERT_NO_FATAL_FAILURE(makeQuiz("3", "2"));
        }
        ui.clearCalls();
        ui.expectOpenFile("gone.qzz");
        frame.dispatchCommand(102);

        EXPECT_EQ(ui.messages(), std::vector<std::string>{"Cannot open gone.qzz|Information"});
        EXPECT_EQ(ui.callsOf(Kind::Message).at(0).icon, MessageIcon::Exclamation);
        EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
        EXPECT_EQ(frame.menuName(), "MENU_4");
        EXPECT_TRUE(view().sentences().empty());
        EXPECT_EQ(view().sentenceCount(), 0u);
        EXPECT_TRUE(view().openedFromFile());

        ui.clearCalls();
        frame.dispatchCommand(603);
        EXPECT_TRUE(ui.calls().empty());
        EXPECT_FALSE(files.folder.exists("gone.qzz"));
        expectLeftToCatalogue();
    }
}

TEST_F(QuizFlowOpen, FileOfAZeroCountOpensAsAnEmptyQuiz)
{
    files.folder.write("empty.qzz", QByteArray::fromHex("00000000"));
    ui.expectOpenFile("empty.qzz");
    frame.dispatchCommand(102);

    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_TRUE(view().sentences().empty());
    EXPECT_EQ(view().sentenceCount(), 0u);
}

// A file cut short shows what it holds and says that it is damaged.
TEST_F(QuizFlowOpen, DamagedFileShowsItsCompleteLinesAndSaysSo)
{
    files.folder.write("cut.qzz", le32(20) + record("Test 4\n", 0) + record("CaCl2", 1) +
                                      record(" ", 0).left(50));
    ui.expectOpenFile("cut.qzz");
    frame.dispatchCommand(102);

    EXPECT_EQ(ui.messages(),
              std::vector<std::string>{"cut.qzz is damaged: only 2 of 20 lines could be read.|Information"});
    EXPECT_EQ(ui.callsOf(Kind::Message)[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentences(), (SentenceList{TSentence("Test 4\n", 0), TSentence("CaCl2", 1)}));
}

TEST_F(QuizFlowOpen, OpenWhileAQuizIsShownReplacesIt)
{
    files.folder.write("three.qzz", le32(3) + record("Test 4\n", 0) + record("CaCl2", 1) +
                                        record(" ", 0));
    makeQuiz("3", "2");
    ui.expectOpenFile("three.qzz");
    frame.dispatchCommand(102);

    EXPECT_EQ(view().sentences(),
              (SentenceList{TSentence("Test 4\n", 0), TSentence("CaCl2", 1), TSentence(" ", 0)}));
    EXPECT_EQ(view().sentenceCount(), 3u);
    EXPECT_TRUE(view().openedFromFile());
}

class QuizFlowRemake : public QuizShell {
protected:
    QuizFlowRemake() : QuizShell(fourCations(), threeAnions()) {}
};

TEST_F(QuizFlowRemake, HomeLeavesWithoutTheOfferAndTheNextNewStartsFromEmptyLists)
{
    makeQuiz("3", "2");
    ui.clearCalls();
    frame.dispatchCommand(402);
    EXPECT_TRUE(ui.calls().empty());
    EXPECT_EQ(frame.mode(), TFrame::Mode::Catalogue);
    EXPECT_EQ(frame.menuName(), "MENU_1");

    makeQuiz("3", "2");
    EXPECT_EQ(view().sentenceCount(), 14u);
    expectDrawnFromFreshLists(view(), catalogue(), {3, 2}, 2);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);
}

TEST_F(QuizFlowRemake, ReturnMakesAFreshQuizFromEmptiedLists)
{
    makeQuiz("4", "3");
    ui.clearCalls();
    ui.expectDialog("HIGHEST").text(0, "3").text(1, "3").ok();
    frame.dispatchCommand(601);

    EXPECT_EQ(ui.calls().size(), 1u);
    EXPECT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    EXPECT_EQ(view().sentenceCount(), 2u + 6 + 3 * 3);
    EXPECT_EQ(view().sentences().size(), view().sentenceCount());
    // Three exercises from three of each: every copy is taken.
    expectDrawnFromFreshLists(view(), catalogue(), {3, 3}, 3);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);
}

TEST_F(QuizFlowRemake, QuizMadeAfterAnOpenedOneIsOfferedForStoring)
{
    files.folder.write("one.qzz", le32(1) + record("Old quiz", 0));
    ui.expectOpenFile("one.qzz");
    frame.dispatchCommand(102);
    ASSERT_TRUE(view().openedFromFile());

    ui.expectDialog("HIGHEST").text(0, "2").text(1, "2").ok();
    frame.dispatchCommand(601);
    EXPECT_FALSE(view().openedFromFile());
    EXPECT_EQ(view().sentences().at(0), TSentence("Name: ____\n", 0));

    ui.clearCalls();
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"Do you want to save this quiz?|Save Quiz?"});
}

class QuizFlowScroll : public QuizShell {
protected:
    QuizFlowScroll() : QuizShell(fourCations(), threeAnions())
    {
        frame.resize(640, 520);
        frame.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }
};

TEST_F(QuizFlowScroll, RangeIsTheLeastForAShortQuizAndReachesTheLastLineOfALongOne)
{
    makeQuiz("3", "2");
    EXPECT_EQ(view().scrollRange(), 400);
    ui.answer(MessageAnswer::No);
    frame.dispatchCommand(603);

    QByteArray bytes = le32(1000);
    for (int i = 1; i <= 1000; ++i)
        bytes += record("Line " + QByteArray::number(i), 0);
    files.folder.write("long.qzz", bytes);
    ui.expectOpenFile("long.qzz");
    frame.dispatchCommand(102);
    QCoreApplication::processEvents();

    const QWidget* viewport = view().viewport();
    ASSERT_GT(viewport->height(), 100);
    const int lineHeight = QFontMetrics(viewport->font(), viewport).height();
    const int lastLineBottom = 1000 * lineHeight;
    const int range = view().scrollRange();
    EXPECT_GT(range, 400);
    EXPECT_GE(range * TQuizWindow::scrollUnit + viewport->height(), lastLineBottom);
    EXPECT_LE(range * TQuizWindow::scrollUnit, lastLineBottom);
}

TEST_F(QuizFlowScroll, PositionIsKeptWhenANewQuizIsMadeOrOpened)
{
    makeQuiz("3", "2");
    view().verticalScrollBar()->setValue(37);

    ui.expectDialog("HIGHEST").text(0, "2").text(1, "2").ok();
    frame.dispatchCommand(601);
    EXPECT_EQ(view().sentenceCount(), 2u + 6 + 3 * 2);
    EXPECT_EQ(view().scrollPosition(), 37);

    files.folder.write("one.qzz", le32(1) + record("Old quiz", 0));
    ui.expectOpenFile("one.qzz");
    frame.dispatchCommand(102);
    EXPECT_EQ(view().sentenceCount(), 1u);
    EXPECT_EQ(view().scrollPosition(), 37);
}

} // namespace
