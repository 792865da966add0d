#include "views/AccessiblePractice.h"

namespace {

QAccessible::Role partRole(TPracticeWindow::Part part)
{
    switch (part) {
    case TPracticeWindow::Verdict:
        return QAccessible::StatusBar;
    case TPracticeWindow::Answer:
        return QAccessible::EditableText;
    default:
        return QAccessible::StaticText;
    }
}

class PracticePart final : public AccessibleItem {
public:
    PracticePart(QAccessibleInterface* owner, TPracticeWindow* view, TPracticeWindow::Part part)
        : AccessibleItem(owner, view, partRole(part))
        , practice(view)
        , part(part)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        // The answer field is named by the question it answers and described by the verdict
        // on the last answer; its text is what has been typed.
        if (part == TPracticeWindow::Answer && practice) {
            if (t == QAccessible::Name)
                return shown(TPracticeWindow::Question).text;
            if (t == QAccessible::Value)
                return shownText();
        }
        return AccessibleItem::text(t);
    }

    int cursorPosition() const override
    {
        return part == TPracticeWindow::Answer ? characterCount() : 0;
    }

protected:
    QString shownText() const override { return shown(part).text; }
    QRect shownRect() const override { return shown(part).rect; }
    QString description() const override
    {
        return part == TPracticeWindow::Answer ? shown(TPracticeWindow::Verdict).text : QString();
    }
    bool focusable() const override { return part == TPracticeWindow::Answer; }
    bool hasFocus() const override
    {
        return practice && practice->hasFocus() && practice->sessionActive();
    }

private:
    TPracticeWindow::Shown shown(TPracticeWindow::Part which) const
    {
        return practice ? practice->shownParts()[std::size_t(which)] : TPracticeWindow::Shown{};
    }

    QPointer<TPracticeWindow> practice;
    TPracticeWindow::Part part;
};

} // namespace

AccessiblePractice::AccessiblePractice(TPracticeWindow* view)
    : AccessibleItems(view, QAccessible::Pane)
{
}

AccessibleItem* AccessiblePractice::makeItem(int index) const
{
    return new PracticePart(const_cast<AccessiblePractice*>(this),
                            static_cast<TPracticeWindow*>(widget()), TPracticeWindow::Part(index));
}

QAccessibleInterface* AccessiblePractice::childAt(int x, int y) const
{
    for (int index = 0; index < childCount(); ++index) {
        QAccessibleInterface* part = child(index);
        if (part->rect().contains(x, y))
            return part;
    }
    return nullptr;
}

QAccessibleInterface* AccessiblePractice::focusChild() const
{
    auto* view = static_cast<TPracticeWindow*>(widget());
    if (!view->hasFocus() || !view->sessionActive())
        return nullptr;
    return child(TPracticeWindow::Answer);
}
