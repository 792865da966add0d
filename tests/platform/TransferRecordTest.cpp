#include "platform/TransferRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(TransferRecord, TextFieldsHoldTheirWidthLessTheTerminator)
{
    TransferRecord record{TransferRecord::textField(20), TransferRecord::textField(6),
                          TransferRecord::choiceField()};
    record.setText(0, std::string(25, 'a'));
    record.setText(1, std::string("12\0" "34", 5));
    record.setChoice(2, 1);
    EXPECT_EQ(record.text(0), std::string(19, 'a'));
    EXPECT_EQ(record.text(1), "12"); // a field ends at its first zero byte
    EXPECT_EQ(record.choice(2), 1u);

    record.clear();
    EXPECT_EQ(record.text(0), "");
    EXPECT_EQ(record.text(1), "");
    EXPECT_EQ(record.choice(2), 0u);
}

TEST(TransferRecord, AFieldIsUsedOnlyAsWhatItIs)
{
    TransferRecord record{TransferRecord::textField(6), TransferRecord::choiceField()};
    EXPECT_THROW(record.choice(0), std::logic_error);
    EXPECT_THROW(record.setText(1, "x"), std::logic_error);
    EXPECT_THROW(record.text(2), std::out_of_range);
}

} // namespace
