#include "views/TPracticeWindow.h"

#include "gui/QPainterSurface.h"
#include "platform/Clock.h"
#include "platform/Ui.h"
#include "practice/FeedbackBand.h"
#include "practice/MyPrintout.h"
#include "practice/ReviewPrintout.h"
#include "print/ChainedPrintout.h"
#include "resources/DialogRecords.h"
#include "views/DrawnText.h"
#include "views/ViewAccessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include <cstdlib>

namespace {

// The largest pixel size of a sans-serif face whose lines are at most this high on the
// view's device: "Helv, height 30" for the view, a smaller one for the feedback.
std::optional<QFont> makeSansFont(const QWidget* view, int lineHeight)
{
    QFont face(QStringLiteral("Helvetica"));
    face.setStyleHint(QFont::SansSerif);
    face.setWeight(QFont::Normal);
    for (int pixels = lineHeight; pixels > 0; --pixels) {
        face.setPixelSize(pixels);
        if (QFontMetrics(face, view).height() <= lineHeight)
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
    , font(makeSansFont(this, 30))
    , smallFont(makeSansFont(this, feedback_band::maxFontHeight))
    , printer(ui)
{
    installViewAccessibility();
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
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
    forgetShownParts();
}

void TPracticeWindow::startPractice(IonRange range)
{
    const ShownParts before = partsIfHeard();
    drill.start(range, static_cast<std::uint32_t>(clock.seconds()));
    forgetShownParts();
    makeCaret();
    update();
    reportChanges(before);
    if (hasFocus())
        reportAnswerFocus();
}

void TPracticeWindow::practiceChar(unsigned char ch)
{
    const ShownParts before = partsIfHeard();
    const PracticeSession::Typed typed = drill.typeChar(ch);
    if (typed == PracticeSession::Typed::Refused) {
        ui.beep();
        return;
    }
    forgetShownParts();
    update(); // the paint places the caret after the answer
    reportChanges(before, typed == PracticeSession::Typed::Marked);
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
    MyPrintout results("Results", names.last, names.first, drill.correctCount(),
                       drill.triedCount());
    std::string student = names.first;
    if (!student.empty() && !names.last.empty())
        student += ' ';
    student += names.last;
    // Laid out from the log while the job runs, before the restart empties it.
    ReviewPrintout review(drill.review(), student);
    const ShownParts before = partsIfHeard();
    const std::optional<PrintAnswer> answer = printer.askPrint(this, results.title(), &reviewChoice);
    if (answer) {
        reviewChoice.on = answer->ticked;
        ChainedPrintout printout(results, review, answer->ticked);
        printer.Print(this, printout, false);
    }
    drill.restartAfterPrint();
    forgetShownParts();
    if (sessionGoesOn)
        makeCaret();
    update();
    reportChanges(before);
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
    const ShownParts before = partsIfHeard();
    drill.end();
    forgetShownParts();
    reportChanges(before);
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
    if (smallFont) {
        painter.setFont(*smallFont);
        QPainterSurface small(painter);
        feedback_band::paint(small, drill);
    }
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

void TPracticeWindow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // After the view's own focus event, which the widget sends once this handler returns.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            reportAnswerFocus();
    });
}

void TPracticeWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        forgetShownParts();
}

const TPracticeWindow::ShownParts& TPracticeWindow::shownParts() const
{
    if (!shownCache)
        shownCache = drawnParts();
    return *shownCache;
}

TPracticeWindow::ShownParts TPracticeWindow::drawnParts() const
{
    ShownParts parts;
    if (!drill.active())
        return parts;
    DrawnText drawn(QFontMetrics(font ? *font : QWidget::font(), this));
    const CaretPlace caret = paintPractice(drawn, drill);
    const int height = drawn.textHeight();
    // The parts are told apart by their colours; of the black lines, the answer stands on the
    // caret's line (with nothing typed, the field is where the caret is), then come the score
    // and the prompt.
    const int answerY = caret.y - height;
    parts[Answer].rect = QRect(20, answerY, 1, height);
    bool scoreSeen = false;
    for (const DrawnText::Line& line : drawn.lines()) {
        const Rgb colour = line.colour();
        Part part = Prompt;
        if (colour == practice_colours::verdict)
            part = Verdict;
        else if (colour == practice_colours::question)
            part = Question;
        else if (colour == practice_colours::compound)
            part = Compound;
        else if (std::abs(line.y() - answerY) * 2 < height)
            part = Answer;
        else if (!scoreSeen) {
            part = Score;
            scoreSeen = true;
        }
        Shown& shown = parts[part];
        if (!shown.text.isEmpty())
            shown.text += QLatin1Char('\n');
        shown.text += line.text();
        shown.rect |= line.rect();
    }
    // The feedback is read with the verdict it explains.
    if (smallFont) {
        DrawnText feedback{QFontMetrics(*smallFont, this)};
        feedback_band::paint(feedback, drill);
        for (const DrawnText::Line& line : feedback.lines()) {
            parts[Verdict].text += QLatin1Char('\n') + line.text();
            parts[Verdict].rect |= line.rect();
        }
    }
    return parts;
}

TPracticeWindow::ShownParts TPracticeWindow::partsIfHeard() const
{
    return QAccessible::isActive() ? shownParts() : ShownParts{};
}

void TPracticeWindow::reportChanges(const ShownParts& before, bool answerMarked)
{
    if (!QAccessible::isActive())
        return;
    const ShownParts now = shownParts();
    const auto send = [this](QAccessibleEvent&& event, Part part) {
        event.setChild(part);
        QAccessible::updateAccessibility(&event);
    };
    const auto nameChanged = [&send, this](Part part) {
        send(QAccessibleEvent(this, QAccessible::NameChanged), part);
    };

    const QString& typedBefore = before[Answer].text;
    const QString& typedNow = now[Answer].text;
    if (typedBefore != typedNow) {
        int common = 0;
        while (common < typedBefore.size() && common < typedNow.size() &&
               typedBefore[common] == typedNow[common])
            ++common;
        const QString removed = typedBefore.mid(common);
        const QString inserted = typedNow.mid(common);
        if (!removed.isEmpty() && !inserted.isEmpty())
            send(QAccessibleTextUpdateEvent(this, common, removed, inserted), Answer);
        else if (!inserted.isEmpty())
            send(QAccessibleTextInsertEvent(this, common, inserted), Answer);
        else
            send(QAccessibleTextRemoveEvent(this, common, removed), Answer);
        send(QAccessibleTextCursorEvent(this, int(typedNow.size())), Answer);
    }

    for (Part part : {Verdict, Question, Compound, Score, Prompt}) {
        const QString& was = before[part].text;
        const QString& is = now[part].text;
        // Every marked answer gets its verdict spoken, the same words as the last one too.
        if (was == is && !(part == Verdict && answerMarked))
            continue;
        nameChanged(part);
        send(QAccessibleTextUpdateEvent(this, 0, was, is), part);
        if (part == Verdict)
            send(QAccessibleEvent(this, QAccessible::DescriptionChanged), Answer);
        if (part == Question)
            nameChanged(Answer);
    }
}

void TPracticeWindow::reportAnswerFocus()
{
    if (!drill.active())
        return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(Answer);
    QAccessible::updateAccessibility(&event);
}
