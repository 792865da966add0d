#include "practice/PracticeSession.h"

#include "compound/CompoundRules.h"
#include "platform/Random.h"

#include <string_view>

namespace {

// The only characters an answer can hold: no 0 or 1, no hyphen, apostrophe or full stop.
constexpr std::string_view answerCharacters =
    "23456789 ()ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Subscripts of the formulas in the practice view drop this far.
constexpr int formulaDrop = 8;

} // namespace

PracticeSession::PracticeSession(Random& random)
    : random(random)
{
}

void PracticeSession::start(IonRange newRange, std::uint32_t seed)
{
    random.seed(seed);
    range = newRange;
    newCompound();
    lastResult = 2;
    correct = 0;
    tried = 0;
    asksName = true;
    expected = name;
    typed.clear();
    noAnswer = true;
    prevFindings.clear();
    reviewLog.clear();
}

void PracticeSession::end()
{
    lists.cations.clear();
    lists.anions.clear();
    range = {};
}

void PracticeSession::newCompound()
{
    cation = random.next() % range.highestCation;
    anion = random.next() % range.highestAnion;
    name = ::compoundName(lists.cations.at(cation), lists.anions.at(anion));
    formula = ::compoundFormula(lists.cations.at(cation), lists.anions.at(anion));
}

PracticeSession::Typed PracticeSession::typeChar(unsigned char ch)
{
    if (ch == 8) {
        if (typed.empty())
            return Typed::Refused;
        typed.pop_back();
        return Typed::Removed;
    }
    if (ch == 13) {
        markAndAdvance();
        return Typed::Marked;
    }
    if (ch != 0 && answerCharacters.find(static_cast<char>(ch)) != std::string_view::npos &&
        typed.size() < maxAnswerLength) {
        typed += static_cast<char>(ch);
        return Typed::Appended;
    }
    return Typed::Refused;
}

void PracticeSession::markAndAdvance()
{
    // Byte for byte: case and every blank count.
    lastResult = typed == expected ? 0 : 1;
    if (lastResult == 0)
        ++correct;
    prevFindings.clear();
    if (lastResult != 0) {
        // Worked out once, while the marked compound's ions are still the current ones.
        prevFindings = answer_diagnosis::diagnose(
            {lists.cations.at(cation), lists.anions.at(anion), asksName}, typed,
            {lists.cations, lists.anions});
        reviewLog.add({tried + 1, asksName, asksName ? formula : name, typed, expected, prevFindings});
    }
    prevExpected = expected;
    prevTyped = typed;
    prevName = name;
    prevFormula = formula;
    ++tried;
    newCompound();
    asksName = !asksName;
    expected = asksName ? name : formula;
    typed.clear();
    noAnswer = false;
}

void PracticeSession::restartAfterPrint()
{
    correct = 0;
    tried = 0;
    reviewLog.clear();
    newCompound();
    asksName = !asksName;
    expected = asksName ? name : formula;
    typed.clear();
}

CaretPlace paintPractice(TextSurface& surface, const PracticeSession& s)
{
    const auto text = [&surface](int x, int y, const std::string& t) {
        if (!t.empty())
            surface.drawText(x, y, t);
    };

    surface.setTextColour(practice_colours::verdict);
    if (!s.noAnswerYet()) {
        // The layout follows the kind of the question now asked: a naming question now means
        // the marked one asked for a formula.
        if (s.lastAnswerCorrect()) {
            text(20, 10, "You are correct!!");
        } else if (s.asksForName()) {
            text(20, 10, "You are incorrect!!  " + s.previousName());
            text(20, 40, "Your answer: ");
            drawFormulaText(surface, 20 + surface.textWidth("Your answer: "), 40, s.previousTyped(),
                            formulaDrop);
            text(20, 70, "Correct answer: ");
            drawFormulaText(surface, 20 + surface.textWidth("Correct answer: "), 70,
                            s.previousExpected(), formulaDrop);
        } else {
            text(20, 10, "You are incorrect!! ");
            drawFormulaText(surface, 20 + surface.textWidth("You are incorrect!! "), 10,
                            s.previousFormula(), formulaDrop);
            text(10, 40, "Your answer: " + s.previousTyped());
            text(10, 70, "Correct answer: " + s.previousExpected());
        }
    }

    surface.setTextColour(practice_colours::question);
    text(20, 150, s.asksForName() ? "Name the following compound:"
                                  : "What is the formula for the following compound:");

    surface.setTextColour(practice_colours::compound);
    if (s.asksForName())
        drawFormulaText(surface, 20, 180, s.compoundFormula(), formulaDrop);
    else
        text(20, 180, s.compoundName());

    surface.setTextColour(practice_colours::text);
    if (s.asksForName())
        text(20, 220, s.typedAnswer());
    else
        drawFormulaText(surface, 20, 220, s.typedAnswer(), formulaDrop);
    const CaretPlace caret{20 + surface.textWidth(s.typedAnswer()), 220 + surface.textHeight()};

    text(20, 300, "Number correct: " + std::to_string(s.correctCount()) + "  out of: " +
                      std::to_string(s.triedCount()));
    text(50, 350, "Press Enter when done.");
    return caret;
}
