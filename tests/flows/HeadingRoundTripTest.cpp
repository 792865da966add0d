// New through the real heading dialog: the heading file as the teacher left it, confirmed
// or edited, and the bytes that come back to the file.
#include "app/TFrame.h"

#include "gui/TemplateDialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Random.h"
#include "resources/CommandIds.h"
#include "support/CatalogueFiles.h"
#include "support/FixedClock.h"
#include "support/ScriptedUi.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the real heading dialog, lets the test edit its field, and presses OK; every other
// dialog is scripted.
class RealHeadingUi : public ScriptedUi {
public:
    std::function<void(QPlainTextEdit&)> edit = [](QPlainTextEdit&) {};
    int headingDialogs = 0;

    int runDialog(QObject* owner, const DialogTemplate& dialog, DialogValues& values) override
    {
        if (dialog.id != DialogId::EditHeading)
            return ScriptedUi::runDialog(owner, dialog, values);
        ++headingDialogs;
        TemplateDialog window(dialog, values, qobject_cast<QWidget*>(owner));
        window.show();
        auto* field = qobject_cast<QPlainTextEdit*>(window.control(101));
        if (!field)
            return dialogCancel;
        edit(*field);
        QTest::mouseClick(window.control(1), Qt::LeftButton);
        return window.result() == QDialog::Accepted ? dialogOk : dialogCancel;
    }
};

QByteArray starterHeading()
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/valkora.hed"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct RoundTripCase {
    const char* name;
    QByteArray file;
    QString typedAtEnd; // a line feed is Ctrl+Enter
    QByteArray stored;
};

void PrintTo(const RoundTripCase& c, std::ostream* os)
{
    *os << c.name;
}

class HeadingRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(HeadingRoundTrip, NewWritesTheHeadingBackAsTheFieldHandsItBack)
{
    const RoundTripCase& c = GetParam();
    TempFolder folder;
    writeCatalogue(folder, IonList({TIon("Sodium", "Na", 1)}), IonList({TIon("chloride", "Cl", 1)}));
    folder.write("valkora.hed", c.file);
    RealHeadingUi ui;
    ui.edit = [&c](QPlainTextEdit& field) {
        field.moveCursor(QTextCursor::End);
        for (QChar key : c.typedAtEnd) {
            if (key == u'\n')
                QTest::keyClick(&field, Qt::Key_Return, Qt::ControlModifier);
            else
                QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown, QString(key),
                                    Qt::NoModifier);
        }
    };
    // The range dialog that follows is cancelled: the heading is stored by then.
    ui.expectDialog(DialogId::Highest).cancel();
    FixedClock clock(7);
    Random random;
    TFrame frame(ui, clock, random);
    frame.show();
    frame.dispatchCommand(cmd::New);

    EXPECT_EQ(ui.headingDialogs, 1);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(folder.read("valkora.hed"), c.stored);
}

QByteArray repeated(int count, char c)
{
    return QByteArray(count, c);
}

// Four lines of 29 characters, each ended by CR LF: 120 characters once read as text.
QByteArray fullOfLines()
{
    const QByteArray line = repeated(29, 'q') + "\r\n";
    return line + line + line + line;
}

INSTANTIATE_TEST_SUITE_P(
    Headings, HeadingRoundTrip,
    ::testing::Values(
        RoundTripCase{"StarterHeadingUnchanged", starterHeading(), {}, starterHeading()},
        RoundTripCase{"HundredAndTwentyCharactersUnchanged", fullOfLines(), {}, fullOfLines()},
        RoundTripCase{"NoLineEndAtAllUnchanged", "Quiz 3", {}, "Quiz 3"},
        RoundTripCase{"EmptyUnchanged", "", {}, ""},
        // The field shows two lines: a break typed, or a wrap point.
        RoundTripCase{"TypedBreak", "Quiz 1", "\nName:", "Quiz 1\r\r\nName:"},
        RoundTripCase{"WrapPoint", "Quiz 1 ", QString(60, u'm'),
                      "Quiz 1 \r\r\r\n" + repeated(60, 'm')},
        // No third line: the break is refused, and the letters stop where they would wrap.
        RoundTripCase{"NoThirdLine", "Quiz 1\r\nName:", "\n" + QString(70, u'm'),
                      "Quiz 1\r\nName:" + repeated(55, 'm')},
        // A zero byte ends only its own read: the lines after it are kept.
        RoundTripCase{"ZeroByteEndsOnlyItsRead", QByteArray("Na\0me\r\nQuiz\r\nDate\r\n", 19),
                      {}, "NaQuiz\r\nDate\r\n"},
        // Read as text, the marks of an earlier New are plain line feeds like any other.
        RoundTripCase{"EarlierBreakAndWrapReadAsLineFeeds",
                      "Name:\r\r\n" + repeated(60, 'm') + "\r\r\r\n" + repeated(10, 'm'), {},
                      "Name:\r\n" + repeated(60, 'm') + "\r\n" + repeated(10, 'm')}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

} // namespace
