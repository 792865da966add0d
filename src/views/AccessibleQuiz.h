#pragma once

#include "views/AccessibleItem.h"

class TQuizWindow;

// The quiz view as a screen reader sees it: a list with an item for every line of the quiz,
// exercises with their numbers, in the order they are drawn. Items are made as they are asked
// for and live as long as the view.
class AccessibleQuiz : public AccessibleItems {
public:
    explicit AccessibleQuiz(TQuizWindow* view);

    QAccessible::Role role() const override { return QAccessible::List; }
    int childCount() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    AccessibleItem* makeItem(int index) const override;
    TQuizWindow* view() const;
};
