#include "gui/QtUi.h"

#include "gui/Caret.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
};

// Reads the box that is up once the modal loop runs, then presses one of its buttons.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press)
{
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = {box->text(), box->windowTitle(), box->icon(), int(box->buttons().size())};
        box->button(press)->click();
    });
}

TEST(QtUi, MessageBoxesShowTheirTextCaptionIconAndButtons)
{
    QtUi ui;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(ui.messageBox(nullptr, "Cannot open valkora.cat", "Information",
                            MessageIcon::Exclamation, MessageButtons::Ok),
              MessageAnswer::Ok);
    EXPECT_EQ(seen.text, "Cannot open valkora.cat");
    EXPECT_EQ(seen.caption, "Information");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    EXPECT_EQ(seen.buttons, 1);

    answerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(ui.messageBox(nullptr, "Do you want to save this quiz?", "Save Quiz?",
                            MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, 2);

    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(ui.messageBox(nullptr, "x", "Print Error", MessageIcon::Stop, MessageButtons::YesNo),
              MessageAnswer::Yes);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
}

struct ShownCase {
    const char* name;
    std::string text;
    QString shown;
};

void PrintTo(const ShownCase& c, std::ostream* os)
{
    *os << c.name;
}

class QtUiShownText : public ::testing::TestWithParam<ShownCase> {};

// Messages are UTF-8, so a file's name shows as the file system spells it.
TEST_P(QtUiShownText, ShowsTheMessageAsItsUtf8)
{
    const ShownCase& c = GetParam();
    QtUi ui;
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    ui.messageBox(nullptr, c.text, "Information", MessageIcon::Exclamation, MessageButtons::Ok);
    EXPECT_EQ(seen.text, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    QtUi, QtUiShownText,
    ::testing::Values(
        ShownCase{"FileNameWithUmlaut", "Cannot open Pr\xc3\xbc" "fung.qzz",
                  QString::fromUtf8("Cannot open Pr\u00fc" "fung.qzz")},
        ShownCase{"DamagedFileBeyondLatin1",
                  "\xce\xb1\xce\xb2.qzz is damaged: only 9 of 38 lines could be read.",
                  QString::fromUtf8("\u03b1\u03b2.qzz is damaged: only 9 of 38 lines could be read.")},
        ShownCase{"ProgramWords", "You must include a cation number that exists.",
                  "You must include a cation number that exists."}),
    [](const ::testing::TestParamInfo<ShownCase>& info) { return std::string(info.param.name); });

// The start-up picture must never cover a message of the catalogue load.
TEST(QtUi, TheSplashPictureClosesBeforeTheFirstBox)
{
    QtUi ui;
    auto* splash = new QLabel("splash");
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QPointer<QLabel> watched(splash);
    ui.setSplash(splash);

    bool splashUpWithBox = true;
    QTimer::singleShot(0, [&] {
        splashUpWithBox = watched && watched->isVisible();
        QApplication::activeModalWidget()->close();
    });
    ui.messageBox(nullptr, "Cannot open valkora.ani", "Information", MessageIcon::Exclamation,
                  MessageButtons::Ok);
    EXPECT_FALSE(splashUpWithBox);
}

// Its Cancel button and Esc both mark the job cancelled; neither closes it, only the job does.
class PrintingCancel : public ::testing::TestWithParam<bool> {};

TEST_P(PrintingCancel, MarksTheJobAndDisablesTheButton)
{
    QtUi ui;
    const auto progress = ui.openPrintingDialog(nullptr, "'List' on the", "Office on Room 12");
    QWidget* dialog = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == "Printing")
            dialog = window;
    auto* cancel = dialog ? dialog->findChild<QPushButton*>() : nullptr;
    ASSERT_NE(cancel, nullptr);
    EXPECT_FALSE(progress->cancelled());
    if (GetParam())
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        cancel->click();
    EXPECT_TRUE(progress->cancelled());
    EXPECT_FALSE(cancel->isEnabled());
    EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Printing, PrintingCancel, ::testing::Values(false, true),
                         [](const auto& row) { return row.param ? "Esc" : "Button"; });

TEST(Caret, IsASolidBlockThatCanBePlacedShownHiddenAndDestroyed)
{
    QWidget owner;
    owner.resize(300, 300);
    owner.show();
    Caret caret;
    caret.create(&owner, QSize(20, 2));
    ASSERT_TRUE(caret.exists());
    EXPECT_FALSE(caret.widget()->isVisible());
    caret.place(20, 220);
    caret.show();
    EXPECT_TRUE(caret.widget()->isVisible());
    EXPECT_EQ(caret.widget()->geometry(), QRect(20, 220, 20, 2));
    caret.hide();
    EXPECT_FALSE(caret.widget()->isVisible());
    caret.destroy();
    EXPECT_FALSE(caret.exists());
    EXPECT_TRUE(owner.findChildren<QWidget*>().isEmpty());
    // Using a destroyed caret does nothing.
    caret.place(1, 1);
    caret.show();
}

} // namespace
