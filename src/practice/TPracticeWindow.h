#pragma once

#include "platform/CommandTable.h"

#include <QWidget>

#include <cstdint>

class Ui;

// The practice view: the interactive drill in naming compounds and writing their formulas.
class TPracticeWindow : public QWidget {
    Q_OBJECT
public:
    explicit TPracticeWindow(Ui& ui, QWidget* parent = nullptr);

    // Print Results (401) is the view's own command; the main window's table has none.
    const CommandTable& commands() const { return ownCommands; }

    // A session is active while the practice range is not (0, 0).
    bool sessionActive() const { return highestCation != 0 || highestAnion != 0; }

    void printResults();
    // The first half of Quit Practice; with no session active it asks nothing and changes
    // nothing.
    void endPractice();

private:
    Ui& ui;
    CommandTable ownCommands;
    std::int32_t highestCation = 0;
    std::int32_t highestAnion = 0;
};
