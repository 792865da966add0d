#pragma once

#include "catalogue/IonCatalogue.h"
#include "gui/Printer.h"
#include "platform/LineRange.h"

#include "gui/ScrolledView.h"

#include <QRect>
#include <QString>

#include <array>

class Ui;

// The catalogue view: draws the teacher's ion lists numbered in three columns and scrolls
// vertically in units of 15 pixels. The lists belong to the program; the view only shows them.
class TSymbolWindow : public ScrolledView {
    Q_OBJECT
public:
    static constexpr int minimumRange = 200;

    TSymbolWindow(Ui& ui, const IonCatalogue& catalogue, QWidget* parent = nullptr);

    // After any change to the lists: a new scroll range and the whole view repainted.
    void catalogueChanged();

    // Prints both lists from their top, whatever the scroll position; the mode stays.
    void PrintList();

    // The drawing line by line, as a screen reader reads it: each line's texts in the three
    // columns as drawn (the number and name, or a title; the symbol; the charge), with where
    // each stands in the viewport. Empty texts where a line has nothing in a column.
    static constexpr int columnCount = 3;
    struct Cell {
        QString text;
        QRect rect;
    };
    int lineCount() const;
    std::array<Cell, columnCount> lineCells(int line) const;
    // The line of the column headings over this line's list; -1 for the titles and the empty
    // line between the lists.
    int headingLineAbove(int line) const;
    // The lines whose text is wholly in sight.
    LineRange linesInSight() const;
    // The line a screen reader's focus is on: it follows the scrolling, so that Down reports
    // the line that comes into sight at the bottom and every other move the top line.
    int focusLine() const { return accessibleFocus; }

protected:
    int drawingHeight(int lineHeight) const override;
    void drawBetween(TextSurface& surface, int top, int bottom, int shift) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void followScroll();
    void keepFocusLineInSight();
    void reportFocusLine();

    const IonCatalogue& ions;
    Printer printer;
    int accessibleFocus = 0;
    LineRange shownLines;
    bool scrollingLineDown = false;
};
