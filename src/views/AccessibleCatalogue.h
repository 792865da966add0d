#pragma once

#include "views/AccessibleItem.h"

class TSymbolWindow;

// The catalogue view as a screen reader sees it: a table with a row for every line of the
// drawing (the section titles, the column headings, each ion, the empty line between the
// lists) and the three columns as drawn. Each ion's column headers are the headings drawn
// above it. Cells are made as they are asked for and live as long as the view.
class AccessibleCatalogue : public AccessibleItems, public QAccessibleTableInterface {
public:
    explicit AccessibleCatalogue(TSymbolWindow* view);

    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The lists changed: the cells of lines that are gone go too.
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The row of the column headings drawn above this line; -1 above the first headings.
    int headingRowAbove(int row) const;

private:
    AccessibleItem* makeItem(int index) const override;
    TSymbolWindow* view() const;
};
