#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

// Something a screen reader finds inside a painted view that has no widget of its own: a
// line, a cell or a field of the drawing. It reads as plain text; what it shows and where
// comes from its owner, the view's own accessible interface, which made it and deletes it.
class AccessibleItem : public QAccessibleInterface, public QAccessibleTextInterface {
public:
    AccessibleItem(QAccessibleInterface* owner, QWidget* view, QAccessible::Role role);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return owner; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return itemRole; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Read only: no selection, the caret at the start unless the item says otherwise.
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(shownText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString shownText() const = 0;
    // Where the text stands in the view, in the view's own coordinates; empty when nowhere.
    virtual QRect shownRect() const = 0;
    virtual QString description() const { return {}; }
    // Whether the item has the keyboard focus of the view.
    virtual bool hasFocus() const { return false; }
    virtual bool focusable() const { return false; }

    QWidget* view() const { return shownIn; }

private:
    QAccessibleInterface* owner;
    QPointer<QWidget> shownIn;
    QAccessible::Role itemRole;
};

// A painted view's own interface, whose items are made as they are asked for, by index, and
// live as long as it does.
class AccessibleItems : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~AccessibleItems() override;

    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    virtual AccessibleItem* makeItem(int index) const = 0;
    // The items from this index on are gone from the view, and their interfaces with them.
    void dropItemsFrom(int index);

private:
    mutable QHash<int, QAccessible::Id> items;
};
