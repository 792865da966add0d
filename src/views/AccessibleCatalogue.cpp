#include "views/AccessibleCatalogue.h"

#include "views/TSymbolWindow.h"

namespace {

class CatalogueCell final : public AccessibleItem, public QAccessibleTableCellInterface {
public:
    CatalogueCell(AccessibleCatalogue* table, TSymbolWindow* view, int row, int column)
        : AccessibleItem(table, view->viewport(), QAccessible::Cell)
        , table_(table)
        , catalogue(view)
        , row(row)
        , column(column)
    {
    }

    bool isValid() const override
    {
        return AccessibleItem::isValid() && !catalogue.isNull() && row < catalogue->lineCount();
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return AccessibleItem::interface_cast(type);
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        const int headings = table_->headingRowAbove(row);
        if (headings < 0 || headings == row)
            return {};
        return {table_->cellAt(headings, column)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

protected:
    QString shownText() const override
    {
        return isValid() ? catalogue->lineCells(row)[std::size_t(column)].text : QString();
    }
    QRect shownRect() const override
    {
        return isValid() ? catalogue->lineCells(row)[std::size_t(column)].rect : QRect();
    }
    bool focusable() const override { return column == 0; }
    bool hasFocus() const override
    {
        return isValid() && catalogue->hasFocus() && catalogue->focusLine() == row;
    }

private:
    AccessibleCatalogue* table_;
    QPointer<TSymbolWindow> catalogue;
    int row;
    int column;
};

} // namespace

AccessibleCatalogue::AccessibleCatalogue(TSymbolWindow* view)
    : AccessibleItems(view, QAccessible::Table)
{
}

TSymbolWindow* AccessibleCatalogue::view() const
{
    return static_cast<TSymbolWindow*>(widget());
}

int AccessibleCatalogue::rowCount() const
{
    return view()->lineCount();
}

int AccessibleCatalogue::columnCount() const
{
    return TSymbolWindow::columnCount;
}

int AccessibleCatalogue::childCount() const
{
    return rowCount() * columnCount();
}

AccessibleItem* AccessibleCatalogue::makeItem(int index) const
{
    return new CatalogueCell(const_cast<AccessibleCatalogue*>(this), view(),
                             index / columnCount(), index % columnCount());
}

QAccessibleInterface* AccessibleCatalogue::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child(row * columnCount() + column);
}

QAccessibleInterface* AccessibleCatalogue::childAt(int x, int y) const
{
    const QPoint point = view()->viewport()->mapFromGlobal(QPoint(x, y));
    const LineRange sight = view()->linesInSight();
    for (int row = sight.first; row < sight.end; ++row) {
        const auto lineCells = view()->lineCells(row);
        for (int column = 0; column < columnCount(); ++column)
            if (lineCells[std::size_t(column)].rect.contains(point))
                return cellAt(row, column);
    }
    return nullptr;
}

QAccessibleInterface* AccessibleCatalogue::focusChild() const
{
    if (!view()->hasFocus())
        return nullptr;
    return cellAt(view()->focusLine(), 0);
}

void* AccessibleCatalogue::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleCatalogue::columnDescription(int column) const
{
    if (column < 0 || column >= columnCount())
        return {};
    return view()->lineCells(view()->headingLineAbove(1))[std::size_t(column)].text;
}

int AccessibleCatalogue::headingRowAbove(int row) const
{
    return view()->headingLineAbove(row);
}

void AccessibleCatalogue::modelChange(QAccessibleTableModelChangeEvent*)
{
    dropItemsFrom(rowCount() * columnCount());
}
