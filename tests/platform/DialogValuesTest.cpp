#include "platform/DialogValues.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

struct Sample {
    std::string longText;
    std::string shortText;
    std::uint32_t picked = 0;
};

constexpr std::array sampleFields{bindText(201, &Sample::longText, 20),
                                  bindText(202, &Sample::shortText, 6),
                                  bindChoice(203, &Sample::picked)};

TEST(BoundRecord, TextFieldsHoldTheirWidthLessTheTerminator)
{
    Sample sample;
    BoundRecord<Sample> values(sample, sampleFields);
    values.setText(201, std::string(25, 'a'));
    values.setText(202, std::string("12\0" "34", 5));
    values.setChoice(203, 1);
    EXPECT_EQ(sample.longText, std::string(19, 'a'));
    EXPECT_EQ(sample.shortText, "12"); // a field ends at its first zero byte
    EXPECT_EQ(sample.picked, 1u);

    sample = {"Typed", "ok", 0};
    EXPECT_EQ(values.text(201), "Typed");
    EXPECT_EQ(values.text(202), "ok");
    EXPECT_EQ(values.choice(203), 0u);
}

TEST(BoundRecord, ListsItsFieldsByControl)
{
    Sample sample;
    const BoundRecord<Sample> values(sample, sampleFields);
    const std::vector<DialogValues::Field> fields = values.fields();
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0].controlId, 201);
    EXPECT_EQ(fields[0].kind, DialogValues::Kind::Text);
    EXPECT_EQ(fields[0].width, 20);
    EXPECT_EQ(fields[1].width, 6);
    EXPECT_EQ(fields[2].controlId, 203);
    EXPECT_EQ(fields[2].kind, DialogValues::Kind::Choice);
}

TEST(BoundRecord, AControlIsUsedOnlyAsWhatItIsBoundTo)
{
    Sample sample;
    BoundRecord<Sample> values(sample, sampleFields);
    EXPECT_THROW(values.choice(201), std::logic_error);
    EXPECT_THROW(values.setText(203, "x"), std::logic_error);
    EXPECT_THROW(values.text(204), std::logic_error);
    EXPECT_THROW(values.setChoice(101, 1), std::logic_error);
    EXPECT_EQ(sample.picked, 0u);
}

TEST(FitText, KeepsWhatAFixedFieldWouldHold)
{
    EXPECT_EQ(fitText("Sodium hydrogen carbonate", 20), "Sodium hydrogen car");
    EXPECT_EQ(fitText("Iron", 20), "Iron");
    EXPECT_EQ(fitText(std::string("Fe\0" "3", 4), 20), "Fe");
    EXPECT_EQ(fitText("-2147483648", 6), "-2147");
    EXPECT_EQ(fitText("anything", 1), "");
}

} // namespace
