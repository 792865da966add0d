#include "views/AccessibleQuiz.h"

#include "views/TQuizWindow.h"

#include <algorithm>
#include <cstdint>

namespace {

class QuizLine final : public AccessibleItem {
public:
    QuizLine(QAccessibleInterface* owner, TQuizWindow* view, int line)
        : AccessibleItem(owner, view->viewport(), QAccessible::ListItem)
        , quiz(view)
        , line(line)
    {
    }

    bool isValid() const override
    {
        return AccessibleItem::isValid() && quiz && std::size_t(line) < quiz->sentences().size();
    }

    int index() const { return line; }

protected:
    QString shownText() const override { return isValid() ? quiz->shownLine(line).text : QString(); }
    QRect shownRect() const override { return isValid() ? quiz->shownLine(line).rect : QRect(); }

private:
    QPointer<TQuizWindow> quiz;
    int line;
};

} // namespace

AccessibleQuiz::AccessibleQuiz(TQuizWindow* view)
    : AccessibleItems(view, QAccessible::List)
{
}

TQuizWindow* AccessibleQuiz::view() const
{
    return static_cast<TQuizWindow*>(widget());
}

int AccessibleQuiz::childCount() const
{
    return int(std::min<std::size_t>(view()->sentences().size(), INT32_MAX));
}

AccessibleItem* AccessibleQuiz::makeItem(int index) const
{
    return new QuizLine(const_cast<AccessibleQuiz*>(this), view(), index);
}

QAccessibleInterface* AccessibleQuiz::childAt(int x, int y) const
{
    const QPoint point = view()->viewport()->mapFromGlobal(QPoint(x, y));
    for (int line = 0; line < childCount(); ++line) {
        const QRect rect = view()->shownLine(line).rect;
        if (rect.top() > point.y())
            break;
        if (rect.contains(point))
            return child(line);
    }
    return nullptr;
}
