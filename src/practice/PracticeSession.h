#pragma once

#include "compound/AnswerDiagnosis.h"
#include "compound/IonRange.h"
#include "practice/ReviewLog.h"
#include "platform/TextSurface.h"

#include <cstdint>
#include <string>

class Random;

// The practice drill without its window: the current compound, the typed answer, marking,
// the alternation of question kinds and the score. A session is active while its range is
// not (0, 0).
class PracticeSession {
public:
    // Every answer holds at most this many characters.
    static constexpr std::size_t maxAnswerLength = 39;

    enum class Typed { Appended, Removed, Marked, Refused };

    explicit PracticeSession(Random& random);

    // The working lists that the next session draws from; Practice fills them first.
    WorkingLists& workingLists() { return lists; }
    const WorkingLists& workingLists() const { return lists; }

    // Starts with the generator seeded, the counts at 0 and a naming question.
    void start(IonRange range, std::uint32_t seed);
    // Ends the session: working lists emptied, range (0, 0). The counts stay as they were.
    void end();
    bool active() const { return range.highestCation != 0 || range.highestAnion != 0; }

    // A typed character: Backspace (8) removes, Enter (13) marks, one of the 63 answer
    // characters is appended while there is room; everything else is refused.
    Typed typeChar(unsigned char ch);
    void markAndAdvance();
    void newCompound();
    // After the results have gone to the printer, whatever came of it: the counts start from
    // 0 and a new question of the other kind is asked. The verdict of the last marked answer
    // stays; before any answer there is none to show.
    void restartAfterPrint();

    bool asksForName() const { return asksName; }
    bool noAnswerYet() const { return noAnswer; }
    bool lastAnswerCorrect() const { return lastResult == 0; }
    std::uint32_t correctCount() const { return correct; }
    std::uint32_t triedCount() const { return tried; }
    std::uint32_t cationIndex() const { return cation; }
    std::uint32_t anionIndex() const { return anion; }
    const std::string& compoundName() const { return name; }
    const std::string& compoundFormula() const { return formula; }
    const std::string& expectedAnswer() const { return expected; }
    const std::string& typedAnswer() const { return typed; }
    const std::string& previousExpected() const { return prevExpected; }
    const std::string& previousTyped() const { return prevTyped; }
    const std::string& previousName() const { return prevName; }
    const std::string& previousFormula() const { return prevFormula; }
    // Why the last marked answer was wrong; empty after a correct one or one nothing explains.
    const std::vector<answer_diagnosis::Finding>& previousFindings() const { return prevFindings; }
    // The answers marked wrong since the counts last started from 0.
    const ReviewLog& review() const { return reviewLog; }

private:
    Random& random;
    WorkingLists lists;
    IonRange range;
    std::uint32_t cation = 0;
    std::uint32_t anion = 0;
    std::string name;
    std::string formula;
    std::string expected;
    std::string typed;
    std::string prevExpected;
    std::string prevTyped;
    std::string prevName;
    std::string prevFormula;
    std::vector<answer_diagnosis::Finding> prevFindings;
    ReviewLog reviewLog;
    bool noAnswer = true;
    bool asksName = true;
    std::int32_t lastResult = 2;
    std::uint32_t correct = 0;
    std::uint32_t tried = 0;
};

// The colours of the practice view.
namespace practice_colours {
inline constexpr Rgb verdict{255, 0, 255};
inline constexpr Rgb question{0, 0, 255};
inline constexpr Rgb compound{255, 0, 0};
inline constexpr Rgb text{0, 0, 0};
} // namespace practice_colours

struct CaretPlace {
    int x;
    int y;
};

// Paints the practice view in the surface's current font; returns where the caret goes,
// after the typed answer.
CaretPlace paintPractice(TextSurface& surface, const PracticeSession& session);
