#include "views/TPracticeWindow.h"

#include "gui/QPainterSurface.h"
#include "platform/Random.h"
#include "practice/FeedbackBand.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using answer_diagnosis::Kind;

// Names of 19 characters and symbols of 14 in the widest capitals: the longest sentences the
// feedback can have. Two cations share a symbol; the anions share a stem.
const std::string bigSymbol = "MWMWMWMWMWMWMW";
const std::vector<TIon> wideCations{{"WWWWWWWWWWWWWW(III)", bigSymbol, 3},
                                    {"WWWWWWWWWWWWWWW(II)", bigSymbol, 2},
                                    {"Mmmmmmmmmmmmmmm", "Mm", 1}};
const std::vector<TIon> wideAnions{{"Wwwwwwwwwwwwwwwwate", "WMWMWMWMWMWMW4", 2},
                                   {"Wwwwwwwwwwwwwwwwite", "WMWMWMWMWMWMW3", 2},
                                   {"Wwwwwwwwwwwwwwwwide", "W", 1},
                                   {"Wwwwwwwwwwwwwwwwwww", "WMWMWMWMWMWMWM", 3}};

struct Row {
    const char* label;
    Kind kind;
    std::size_t cation;
    std::size_t anion;
    bool nameAsked;
    const char* typed;
};

class FeedbackBand : public testing::TestWithParam<Row> {};

QImage blank()
{
    QImage image(640, 520, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The rows of an image that hold any ink, and the leftmost and rightmost inked columns.
struct Ink {
    int top = 520;
    int bottom = -1;
    int left = 640;
    int right = -1;
};

Ink inkOf(const QImage& image, int fromRow = 0, int toRow = 520)
{
    Ink ink;
    for (int y = fromRow; y < toRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    return ink;
}

TEST_P(FeedbackBand, StaysInTheEmptyBandAtTheLongestNames)
{
    const Row& row = GetParam();
    ScriptedUi ui;
    FixedClock clock{1};
    Random random;
    const TPracticeWindow view(ui, clock, random);
    ASSERT_TRUE(view.practiceFont() && view.feedbackFont());

    // The asked pair first, as a range of 1 and 1 draws it; the rest of the lists behind it.
    Random drawn;
    PracticeSession session(drawn);
    std::vector<TIon> cations = wideCations;
    std::vector<TIon> anions = wideAnions;
    std::swap(cations[0], cations[row.cation]);
    std::swap(anions[0], anions[row.anion]);
    session.workingLists() = {IonList(cations), IonList(anions)};
    session.start({1, 1}, 1);
    if (!row.nameAsked)
        session.typeChar(13);
    for (const char c : std::string(row.typed))
        ASSERT_EQ(session.typeChar(static_cast<unsigned char>(c)), PracticeSession::Typed::Appended);
    session.typeChar(13);
    const auto& findings = session.previousFindings();
    ASSERT_TRUE(std::any_of(findings.begin(), findings.end(),
                            [&](const auto& f) { return f.kind == row.kind; }))
        << row.typed;

    QImage specified = blank();
    QImage feedback = blank();
    {
        QPainter painter(&specified);
        painter.setFont(*view.practiceFont());
        QPainterSurface surface(painter);
        paintPractice(surface, session);
    }
    {
        QPainter painter(&feedback);
        painter.setFont(*view.feedbackFont());
        QPainterSurface surface(painter);
        feedback_band::paint(surface, session);
    }
    // The specified ink leaves the band and a pixel above it empty; the feedback stays in it.
    EXPECT_LT(inkOf(specified, feedback_band::top - 1, feedback_band::bottom).bottom, 0);
    const Ink ink = inkOf(feedback);
    ASSERT_GE(ink.bottom, 0) << "nothing drawn";
    EXPECT_GE(ink.top, feedback_band::top);
    EXPECT_LT(ink.bottom, feedback_band::bottom);
    EXPECT_GE(ink.left, feedback_band::left);
    EXPECT_LE(ink.right, feedback_band::left + feedback_band::width);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, FeedbackBand,
    testing::Values(
        Row{"capitals", Kind::Capitals, 0, 0, false, "(mwmwmwmwmwmwmw)2(wmwmwmwmwmwmw4)3"},
        Row{"order", Kind::Order, 0, 0, false, "(WMWMWMWMWMWMW4)3(MWMWMWMWMWMWMW)2"},
        Row{"not_balanced", Kind::ChargesNotBalanced, 0, 0, false, "(MWMWMWMWMWMWMW)2(WMWMWMWMWMWMW4)2"},
        Row{"swapped", Kind::SubscriptsSwapped, 0, 0, false, "(MWMWMWMWMWMWMW)3(WMWMWMWMWMWMW4)2"},
        Row{"not_reduced", Kind::RatioNotReduced, 0, 0, false, "(MWMWMWMWMWMWMW)4(WMWMWMWMWMWMW4)6"},
        Row{"brackets_missing", Kind::BracketsMissing, 0, 0, false, "MWMWMWMWMWMWMW2(WMWMWMWMWMWMW4)3"},
        Row{"brackets_not_needed", Kind::BracketsNotNeeded, 0, 3, false, "(MWMWMWMWMWMWMW)WMWMWMWMWMWMWM"},
        Row{"wrong_ion", Kind::WrongIon, 0, 0, false, "(MWMWMWMWMWMWMW)2(WMWMWMWMWMWMW3)3"},
        Row{"name_for_formula", Kind::NameForFormula, 0, 0, false, "WWWWWWWWWWWWWW(III) Wwwwwwwwwwwwwwwwate"},
        Row{"name_capitals", Kind::Capitals, 0, 0, true, "wwwwwwwwwwwwww(iii) wwwwwwwwwwwwwwwwate"},
        Row{"spacing", Kind::Spacing, 0, 0, true, "WWWWWWWWWWWWWW(III)Wwwwwwwwwwwwwwwwate"},
        Row{"numeral_missing", Kind::NumeralMissing, 0, 0, true, "WWWWWWWWWWWWWW Wwwwwwwwwwwwwwwwate"},
        Row{"numeral_wrong", Kind::NumeralWrong, 0, 0, true, "WWWWWWWWWWWWWW(II) Wwwwwwwwwwwwwwwwate"},
        Row{"numeral_not_needed", Kind::NumeralNotNeeded, 2, 2, true, "Mmmmmmmmmmmmmmm(II) Wwwwwwwwwwwwwwwwide"},
        Row{"ending", Kind::Ending, 0, 0, true, "WWWWWWWWWWWWWW(III) Wwwwwwwwwwwwwwwwite"},
        Row{"element_name", Kind::ElementName, 0, 2, true, "WWWWWWWWWWWWWW(III) tungsten"},
        Row{"name_order", Kind::Order, 0, 0, true, "Wwwwwwwwwwwwwwwwate WWWWWWWWWWWWWW(III)"},
        Row{"formula_for_name", Kind::FormulaForName, 0, 0, true, "(MWMWMWMWMWMWMW)2(WMWMWMWMWMWMW4)3"}),
    [](const testing::TestParamInfo<Row>& info) { return std::string(info.param.label); });

} // namespace
