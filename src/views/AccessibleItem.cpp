#include "views/AccessibleItem.h"

#include <QWindow>

#include <algorithm>
#include <utility>

AccessibleItem::AccessibleItem(QAccessibleInterface* owner, QWidget* view, QAccessible::Role role)
    : owner(owner)
    , shownIn(view)
    , itemRole(role)
{
}

bool AccessibleItem::isValid() const
{
    return !shownIn.isNull();
}

QWindow* AccessibleItem::window() const
{
    return shownIn ? shownIn->window()->windowHandle() : nullptr;
}

QString AccessibleItem::text(QAccessible::Text t) const
{
    if (!shownIn)
        return {};
    switch (t) {
    case QAccessible::Name:
        return shownText();
    case QAccessible::Description:
        return description();
    default:
        return {};
    }
}

QRect AccessibleItem::rect() const
{
    if (!shownIn)
        return {};
    const QRect local = shownRect();
    if (local.isEmpty())
        return {};
    return QRect(shownIn->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleItem::state() const
{
    QAccessible::State state;
    if (!shownIn) {
        state.invalid = true;
        return state;
    }
    state.readOnly = itemRole != QAccessible::EditableText;
    state.editable = itemRole == QAccessible::EditableText;
    // Out of sight: the view is hidden, or the item lies outside the part of it shown.
    const QRect local = shownRect();
    if (!shownIn->isVisible() || local.isEmpty() || !shownIn->rect().intersects(local)) {
        state.invisible = !shownIn->isVisible();
        state.offscreen = true;
    }
    state.focusable = focusable();
    state.focused = focusable() && hasFocus();
    return state;
}

void* AccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

void AccessibleItem::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleItem::text(int startOffset, int endOffset) const
{
    const QString all = shownText();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

QString AccessibleItem::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return {};
}

AccessibleItems::~AccessibleItems()
{
    for (QAccessible::Id id : std::as_const(items))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* AccessibleItems::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    if (const auto found = items.constFind(index); found != items.constEnd())
        return QAccessible::accessibleInterface(*found);
    AccessibleItem* item = makeItem(index);
    items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int AccessibleItems::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto it = items.constBegin(); it != items.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < childCount() ? it.key() : -1;
    return -1;
}

void AccessibleItems::dropItemsFrom(int index)
{
    for (auto it = items.begin(); it != items.end();) {
        if (it.key() >= index) {
            QAccessible::deleteAccessibleInterface(it.value());
            it = items.erase(it);
        } else {
            ++it;
        }
    }
}
