#pragma once

#include "views/TPracticeWindow.h"

#include <QAccessibleWidget>

#include <array>

// The practice view as a screen reader sees it: the verdict as a status line, the question,
// the compound, the answer as an editable text that has the view's focus, the score and the
// prompt, in the order they are drawn.
class AccessiblePractice : public QAccessibleWidget {
public:
    explicit AccessiblePractice(TPracticeWindow* view);
    ~AccessiblePractice() override;

    int childCount() const override { return TPracticeWindow::partCount; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    std::array<QAccessible::Id, TPracticeWindow::partCount> parts{};
};
