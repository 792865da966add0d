#pragma once

#include "gui/Caret.h"
#include "gui/Printer.h"
#include "platform/Ui.h"
#include "resources/DialogRecords.h"
#include "practice/PracticeSession.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <optional>

class Clock;
class Random;

// The practice view: shows the drill's question, the typed answer, the verdict and the score,
// and feeds every typed character to the session.
class TPracticeWindow : public QWidget {
    Q_OBJECT
public:
    TPracticeWindow(Ui& ui, Clock& clock, Random& random, QWidget* parent = nullptr);

    const PracticeSession& session() const { return drill; }
    bool sessionActive() const { return drill.active(); }

    // Copies of the first ions of the range, for the next session to draw from.
    void takeWorkingLists(const IonCatalogue& catalogue, IonRange range);
    // Practice has given the working lists and made this view the client.
    void startPractice(IonRange range);
    // A typed character, as the window system delivers it: Enter is 13, Backspace 8.
    void practiceChar(unsigned char ch);
    void printResults();
    // The first half of Quit Practice; with no session active it asks nothing and changes
    // nothing.
    void endPractice();

    // The view's font, a sans-serif face whose lines are 30 pixels high; absent when none
    // could be made, and the view's own font is used.
    const std::optional<QFont>& practiceFont() const { return font; }
    // The smaller face of the feedback on a wrong answer, its lines at most 19 pixels high.
    const std::optional<QFont>& feedbackFont() const { return smallFont; }
    const Caret& caret() const { return cursor; }

    // What the view shows, part by part, as a screen reader reads it, taken from the painting:
    // the verdict lines (one text, a line feed between lines), the question line, the
    // compound, the typed answer, the score line and the closing prompt, each with where it
    // stands. All empty while no session runs.
    enum Part { Verdict, Question, Compound, Answer, Score, Prompt, partCount };
    struct Shown {
        QString text;
        QRect rect;
    };
    using ShownParts = std::array<Shown, partCount>;
    // Drawn again only once what the view shows has changed: a screen reader asks for a part
    // on every event it is told of.
    const ShownParts& shownParts() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab is a character here like any other, not a move to another control.
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void makeCaret();
    // The name dialog, the printout and the new question; the caret comes back only while
    // the session goes on.
    void printResultsAndRestart(bool sessionGoesOn);
    // The parts as shown, only while a screen reader listens: finding what a key changed draws
    // them twice more, which nobody else needs. Empty otherwise.
    ShownParts partsIfHeard() const;
    ShownParts drawnParts() const;
    // After every change to the session or the font.
    void forgetShownParts() { shownCache.reset(); }
    // Tells screen readers what changed since the view showed these parts: the answer's text
    // and caret as typed, and every other part that reads differently now, the verdict on a
    // marked answer always. The verdict is also the answer field's description, so that it is
    // spoken while the field has the focus.
    void reportChanges(const ShownParts& before, bool answerMarked = false);
    void reportAnswerFocus();

    Ui& ui;
    Clock& clock;
    PracticeSession drill;
    Caret cursor;
    std::optional<QFont> font;
    std::optional<QFont> smallFont;
    // NAMEDLG: first name, last name.
    StudentName names;
    Printer printer;
    // Whether the questions to review follow the results: off at first, then as last chosen.
    PrintChoice reviewChoice{"Review", "Also print the questions to review", false};
    mutable std::optional<ShownParts> shownCache;
};
