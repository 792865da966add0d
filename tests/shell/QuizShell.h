#pragma once

#include "app/TFrame.h"
#include "compound/CompoundRules.h"
#include "platform/DialogTemplate.h"
#include "platform/Random.h"
#include "resources/CommandIds.h"
#include "support/CatalogueFiles.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"
#include "views/TQuizWindow.h"
#include "views/TSymbolWindow.h"

#include <QDir>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// Lets a test change the folder while a dialog is up, as another program could meanwhile.
class QuizUi : public ScriptedUi {
public:
    std::function<void(const std::string& templateName)> whileDialogShows;

    int runDialog(QObject* owner, const DialogTemplate& dialog, DialogValues& values) override
    {
        if (whileDialogShows)
            whileDialogShows(dialog.name);
        return ScriptedUi::runDialog(owner, dialog, values);
    }
};

inline IonList fourCations()
{
    return IonList({TIon("Sodium", "Na", 1), TIon("Calcium", "Ca", 2), TIon("Aluminum", "Al", 3),
                    TIon("Potassium", "K", 1)});
}

inline IonList threeAnions()
{
    return IonList({TIon("chloride", "Cl", 1), TIon("oxide", "O", 2), TIon("nitride", "N", 3)});
}

// "Metal 1" with symbol "Mab", ...: every name, symbol and so every compound differs.
inline IonList numbered(const std::string& name, char capital, int count)
{
    IonList list;
    for (int i = 1; i <= count; ++i)
        list.append(TIon(name + " " + std::to_string(i),
                         std::string{capital, char('a' + i / 26), char('a' + i % 26)}, 1 + i % 3));
    return list;
}

// The quiz as lines, every exercise shown as "#", since which ions it holds is drawn at random.
inline std::vector<std::string> shape(const SentenceList& quiz)
{
    std::vector<std::string> lines;
    for (const TSentence& sentence : quiz)
        lines.push_back(sentence.isCompound ? "#" : sentence.text);
    return lines;
}

inline std::vector<std::string> describe(const IonList& list)
{
    std::vector<std::string> lines;
    for (const TIon& ion : list)
        lines.push_back(ion.name + "|" + ion.symbol + "|" + std::to_string(ion.charge));
    return lines;
}

// The catalogue positions of each exercise's cation and anion, found by matching its text with
// every pair of the range: names before the second section's title, formulas after it.
inline std::vector<std::pair<std::uint32_t, std::uint32_t>>
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
inline void expectDrawnFromFreshLists(TQuizWindow& view, const IonCatalogue& catalogue,
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

// The whole program, for the ways into and out of a quiz; the catalogue files and the heading
// file are in place before the frame loads anything.
class QuizShell : public ::testing::Test {
protected:
    QuizShell(const IonList& cations, const IonList& anions) : files(cations, anions) {}

    struct Files {
        TempFolder folder;
        Files(const IonList& cations, const IonList& anions)
        {
            writeCatalogue(folder, cations, anions);
            folder.write("valkora.hed", "Name: ____\r\nQuiz\r\n");
        }
    } files;
    QuizUi ui;
    FixedClock clock{1000};
    Random random;
    TFrame frame{ui, clock, random};

    TQuizWindow& view() { return frame.quizView(); }
    const IonCatalogue& catalogue() { return frame.catalogueStore().catalogue(); }

    // New with the heading confirmed as it stands and the range n, m.
    void makeQuiz(const std::string& n, const std::string& m)
    {
        ui.expectDialog(DialogId::EditHeading).ok();
        ui.expectDialog(DialogId::Highest).fill(RangeEntry{n, m}).ok();
        frame.dispatchCommand(cmd::New);
        ASSERT_EQ(frame.mode(), TFrame::Mode::QuizPreview);
    }

    // Leaves a generated quiz through Don't Print, storing it under the name.
    void storeQuiz(const std::string& name)
    {
        ui.answer(MessageAnswer::Yes);
        ui.expectSaveFile(name);
        frame.dispatchCommand(cmd::DontPrint);
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
