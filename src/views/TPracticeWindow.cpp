#include "views/TPracticeWindow.h"

#include "gui/QPainterSurface.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "practice/MyPrintout.h"
#include "resources/CommandIds.h"
#include "resources/DialogRecords.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

// "Helv, height 30": the largest pixel size of a sans-serif face whose lines are at most 30
// pixels high on this device.
std::optional<QFont> makePracticeFont(const QWidget* view)
{
    QFont face(QStringLiteral("Helvetica"));
    face.setStyleHint(QFont::SansSerif);
    face.setWeight(QFont::Normal);
    for (int pixels = 30; pixels > 0; --pixels) {
        face.setPixelSize(pixels);
        if (QFontMetrics(face, view).height() <= 30)
            return face;
    }
    return std::nullopt;
}

} // namespace

TPracticeWindow::TPracticeWindow(Ui& ui, Clock& clock, Random& random, QWidget* parent)
    : QWidget(parent)
    , ui(ui)
    , clock(clock)
    , drill(random)
    , font(makePracticeFont(this))
    , printer(ui)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ownCommands.bind(cmd::PrintResults, [this] { printResults(); });
}

void TPracticeWindow::makeCaret()
{
    cursor.create(this, QSize(20, 2));
    cursor.place(20, 220);
    cursor.show();
}

void TPracticeWindow::takeWorkingLists(const IonCatalogue& catalogue, IonRange range)
{
    buildWorkingLists(catalogue, range, drill.workingLists());
}

void TPracticeWindow::startPractice(IonRange range)
{
    drill.start(range, static_cast<std::uint32_t>(clock.seconds()));
    makeCaret();
    update();
}

void TPracticeWindow::practiceChar(unsigned char ch)
{
    if (drill.typeChar(ch) == PracticeSession::Typed::Refused)
        ui.beep();
    else
        update(); // the paint places the caret after the answer
}

void TPracticeWindow::printResults()
{
    if (drill.active())
        printResultsAndRestart(true);
}

void TPracticeWindow::printResultsAndRestart(bool sessionGoesOn)
{
    names = {};
    if (runDialog<DialogId::NameDlg>(ui, this, names) != dialogOk)
        return;
    MyPrintout printout("Results", names.last, names.first, drill.correctCount(),
                        drill.triedCount());
    printer.Print(this, printout, true);
    drill.restartAfterPrint();
    if (sessionGoesOn)
        makeCaret();
    update();
}

void TPracticeWindow::endPractice()
{
    cursor.destroy();
    if (!drill.active())
        return;
    if (drill.triedCount() != 0 &&
        ui.messageBox(this, "Do you want to print out practice results?", "Information",
                      MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes)
        printResultsAndRestart(false);
    drill.end();
}

void TPracticeWindow::paintEvent(QPaintEvent*)
{
    if (!drill.active())
        return;
    QPainter painter(this);
    if (font)
        painter.setFont(*font);
    QPainterSurface surface(painter);
    const CaretPlace place = paintPractice(surface, drill);
    cursor.place(place.x, place.y);
}

void TPracticeWindow::keyPressEvent(QKeyEvent* event)
{
    // Alt combinations belong to the menus; keys that make no character (arrows, Shift,
    // function keys, Delete) do nothing here.
    const QString text = event->text();
    if ((event->modifiers() & Qt::AltModifier) || text.isEmpty() ||
        event->key() == Qt::Key_Delete) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (QChar c : text)
        practiceChar(c.unicode() <= 0xFF ? static_cast<unsigned char>(c.unicode()) : 0);
    event->accept();
}

bool TPracticeWindow::focusNextPrevChild(bool)
{
    return false;
}
