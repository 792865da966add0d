#pragma once

#include <QAccessibleWidget>
#include <QHash>

class TQuizWindow;

// The quiz view as a screen reader sees it: a list with an item for every line of the quiz,
// exercises with their numbers, in the order they are drawn. Items are made as they are asked
// for and live as long as the view.
class AccessibleQuiz : public QAccessibleWidget {
public:
    explicit AccessibleQuiz(TQuizWindow* view);
    ~AccessibleQuiz() override;

    QAccessible::Role role() const override { return QAccessible::List; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    TQuizWindow* view() const;

    mutable QHash<int, QAccessible::Id> items;
};
