#pragma once

#include "catalogue/IonCatalogue.h"
#include "gui/Printer.h"
#include "platform/CommandTable.h"

#include "gui/ScrolledView.h"

class Ui;

// The catalogue view: draws the teacher's ion lists numbered in three columns and scrolls
// vertically in units of 15 pixels. The lists belong to the program; the view only shows them.
class TSymbolWindow : public ScrolledView {
    Q_OBJECT
public:
    static constexpr int minimumRange = 200;

    TSymbolWindow(Ui& ui, const IonCatalogue& catalogue, QWidget* parent = nullptr);

    // This view's own commands: none; it handles its scrolling keys itself.
    const CommandTable& commands() const { return ownCommands; }

    // After any change to the lists: a new scroll range and the whole view repainted.
    void catalogueChanged();

    // Prints both lists from their top, whatever the scroll position; the mode stays.
    void PrintList();

protected:
    int drawingHeight(int lineHeight) const override;
    void drawBetween(TextSurface& surface, int top, int bottom, int shift) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const IonCatalogue& ions;
    CommandTable ownCommands;
    Printer printer;
};
