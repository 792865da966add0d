#include "quiz/QuizGeneration.h"

#include "compound/CompoundRules.h"
#include "platform/Random.h"

#include <algorithm>
#include <functional>

namespace quiz_generation {

namespace {

// An entry is free while its name is not empty; drawing it empties the name.
bool isFree(const TIon& ion)
{
    return !ion.name.empty();
}

std::uint32_t freeCount(const IonList& list)
{
    return static_cast<std::uint32_t>(std::count_if(list.begin(), list.end(), isFree));
}

std::uint32_t drawFree(Random& random, IonList& list)
{
    std::uint32_t k = 0;
    do
        k = drawPosition(random, list.count());
    while (!isFree(list.at(k)));
    return k;
}

} // namespace

std::uint32_t drawPosition(Random& random, std::uint32_t n)
{
    if (n <= 32768)
        return random.next() % n;
    // Two statements, so the first draw is always the high part: the operands of one
    // expression may be evaluated in either order.
    const std::uint64_t high = random.next();
    const std::uint64_t low = random.next();
    return static_cast<std::uint32_t>((high * 32768u + low) % n);
}

SentenceList createQuiz(const std::vector<std::string>& headingReads, WorkingLists& lists,
                        Random& random, std::vector<CompoundPair>* pairs)
{
    SentenceList quiz;
    if (pairs)
        pairs->clear();
    const auto line = [&quiz](const std::string& text, std::int32_t exercise = 0) {
        quiz.emplace_back(text, exercise);
    };
    // A read of one character and its line feed is not carried into the quiz.
    for (const std::string& read : headingReads)
        if (!(read.size() >= 2 && read[1] == '\n'))
            line(read);

    line("");
    line("Write formulas for the following compounds: ");
    line(" ");

    // Never more exercises than there are ions left to draw, so every draw ends.
    const std::uint32_t exercises = std::min(freeCount(lists.cations), freeCount(lists.anions));
    const auto exercise = [&](const std::function<std::string(const TIon&, const TIon&)>& text) {
        const std::uint32_t k = drawFree(random, lists.cations);
        const std::uint32_t j = drawFree(random, lists.anions);
        const TIon& cation = lists.cations.at(k);
        const TIon& anion = lists.anions.at(j);
        line(text(cation, anion), 1);
        // Kept before the names are emptied below.
        if (pairs)
            pairs->push_back({k, j, compoundName(cation, anion), compoundFormula(cation, anion)});
        line(" ");
        line(" ");
        lists.cations.at(k).name.clear();
        lists.anions.at(j).name.clear();
    };

    std::uint32_t i = 1;
    for (; i <= exercises / 2; ++i)
        exercise(compoundName);
    line(" ");
    line("Write names for the following compounds: ");
    line(" ");
    for (; i <= exercises; ++i)
        exercise(compoundFormula);
    return quiz;
}

} // namespace quiz_generation
