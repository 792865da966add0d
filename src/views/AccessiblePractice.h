#pragma once

#include "views/AccessibleItem.h"
#include "views/TPracticeWindow.h"

// The practice view as a screen reader sees it: the verdict as a status line, the question,
// the compound, the answer as an editable text that has the view's focus, the score and the
// prompt, in the order they are drawn.
class AccessiblePractice : public AccessibleItems {
public:
    explicit AccessiblePractice(TPracticeWindow* view);

    int childCount() const override { return TPracticeWindow::partCount; }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    AccessibleItem* makeItem(int index) const override;
};
