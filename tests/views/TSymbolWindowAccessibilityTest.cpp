#include "views/TSymbolWindow.h"

#include "support/ScriptedUi.h"
#include "AccessibilityEvents.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using Row = std::array<QString, 3>;

class CatalogueAccessibility : public ::testing::Test {
protected:
    void show(int height)
    {
        view.resize(400, height);
        view.show();
        view.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
        view.setFocus();
        QApplication::processEvents();
    }

    QAccessibleInterface* table() { return QAccessible::queryAccessibleInterface(&view); }

    Row row(int r)
    {
        Row texts;
        for (int c = 0; c < 3; ++c)
            texts[std::size_t(c)] = table()->tableInterface()->cellAt(r, c)->text(QAccessible::Name);
        return texts;
    }

    std::vector<Row> rows()
    {
        std::vector<Row> all;
        for (int r = 0; r < table()->tableInterface()->rowCount(); ++r)
            all.push_back(row(r));
        return all;
    }

    // The row of a focus event's cell.
    static int rowOf(const AccessibilityEvents::Heard& heard)
    {
        return heard.target && heard.target->tableCellInterface()
                   ? heard.target->tableCellInterface()->rowIndex()
                   : -1;
    }

    void addCations(int count)
    {
        for (int i = 1; i <= count; ++i)
            ions.cations.append(TIon("Cation" + std::to_string(i), "Xy", 1));
        view.catalogueChanged();
    }

    ScriptedUi ui;
    IonCatalogue ions{IonList({TIon("Sodium", "Na", 1), TIon("Aluminum", "Al", 3)}),
                      IonList({TIon("sulfate", "SO4", 2), TIon("chloride", "Cl", 1)})};
    TSymbolWindow view{ui, ions};
};

TEST_F(CatalogueAccessibility, ReadsAsATableOfTheLinesAsDrawn)
{
    show(400);
    ASSERT_EQ(table()->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table()->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->columnCount(), 3);
    const std::vector<Row> expected{
        {"Cations:", "", ""},
        {"Name:", "Symbol:", "Charge:"},
        {"1.  Sodium", "Na", "1+"},
        {"2.  Aluminum", "Al", "3+"},
        {"", "", ""},
        {"Anions:", "", ""},
        {"Name:", "Symbol:", "Charge:"},
        {"1.  sulfate", "SO4", "2-"},
        {"2.  chloride", "Cl", "1-"},
    };
    EXPECT_EQ(rows(), expected);
    EXPECT_EQ(cells->columnDescription(1), "Symbol:");
}

TEST_F(CatalogueAccessibility, CellsAreTheTablesChildrenRowByRow)
{
    show(400);
    QAccessibleInterface* t = table();
    EXPECT_EQ(t->childCount(), 9 * 3);
    for (int index = 0; index < t->childCount(); ++index) {
        QAccessibleInterface* cell = t->child(index);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->parent(), t);
        EXPECT_EQ(t->indexOfChild(cell), index);
        EXPECT_EQ(cell, t->tableInterface()->cellAt(index / 3, index % 3));
        ASSERT_NE(cell->textInterface(), nullptr);
        EXPECT_EQ(cell->textInterface()->text(0, -1), cell->text(QAccessible::Name));
    }
    EXPECT_EQ(t->child(9 * 3), nullptr);
}

TEST_F(CatalogueAccessibility, EachIonsColumnHeadersAreTheHeadingsOfItsList)
{
    show(400);
    QAccessibleTableInterface* cells = table()->tableInterface();
    const auto headerOf = [cells](int r, int c) {
        const auto headers = cells->cellAt(r, c)->tableCellInterface()->columnHeaderCells();
        return headers.size() == 1 ? headers.front() : nullptr;
    };
    EXPECT_EQ(headerOf(3, 1), cells->cellAt(1, 1));
    EXPECT_EQ(headerOf(7, 2), cells->cellAt(6, 2));
    EXPECT_EQ(headerOf(8, 0), cells->cellAt(6, 0));
    for (int titleOrHeading : {0, 1, 4, 5, 6})
        EXPECT_EQ(headerOf(titleOrHeading, 0), nullptr) << titleOrHeading;
}

TEST_F(CatalogueAccessibility, CellsStandWhereTheirTextIsDrawn)
{
    show(400);
    QAccessibleTableInterface* cells = table()->tableInterface();
    const QRect sodium = cells->cellAt(2, 0)->rect();
    const QRect na = cells->cellAt(2, 1)->rect();
    const QRect charge = cells->cellAt(2, 2)->rect();
    const QFontMetrics metrics(view.viewport()->font(), view.viewport());
    const QPoint origin = view.viewport()->mapToGlobal(QPoint(0, 0));
    const int h = metrics.height();
    EXPECT_EQ(sodium.topLeft(), origin + QPoint(10, 10 + 2 * h * 2));
    EXPECT_EQ(sodium.width(), metrics.horizontalAdvance("1.  Sodium"));
    EXPECT_EQ(na.left(), origin.x() + 10 + metrics.horizontalAdvance(QString(25, 'X')));
    EXPECT_LT(na.right(), charge.left());
    EXPECT_EQ(table()->childAt(na.center().x(), na.center().y()), cells->cellAt(2, 1));
}

TEST_F(CatalogueAccessibility, AChangedListIsReadAnewAndReported)
{
    show(400);
    AccessibilityEvents events;
    const QAccessible::Id lastAnion =
        QAccessible::uniqueId(table()->tableInterface()->cellAt(8, 0));
    const QAccessible::Id firstAnion =
        QAccessible::uniqueId(table()->tableInterface()->cellAt(7, 0));
    ions.anions.remove(0);
    view.catalogueChanged();
    EXPECT_EQ(events.of(QAccessible::TableModelChanged).size(), 1u);
    EXPECT_EQ(table()->tableInterface()->rowCount(), 8);
    EXPECT_EQ(row(7), Row({"1.  chloride", "Cl", "1-"}));
    // A cell whose line is gone is gone; one whose line stays reads what the line shows now.
    EXPECT_EQ(QAccessible::accessibleInterface(lastAnion), nullptr);
    ASSERT_NE(QAccessible::accessibleInterface(firstAnion), nullptr);
    EXPECT_EQ(QAccessible::accessibleInterface(firstAnion)->text(QAccessible::Name),
              "1.  chloride");
}

TEST_F(CatalogueAccessibility, DownReportsTheLineThatComesIntoSightAtTheBottom)
{
    addCations(40);
    show(200);
    AccessibilityEvents events;
    int reported = 0;
    for (int press = 0; press < 12; ++press) {
        const LineRange before = view.linesInSight();
        const int focusBefore = view.focusLine();
        QTest::keyClick(&view, Qt::Key_Down);
        const LineRange after = view.linesInSight();
        // The new line at the bottom; else, when the focused line left at the top, the top one.
        int expected = -1;
        if (after.end > before.end) {
            expected = after.end - 1;
            ++reported;
        } else if (focusBefore < after.first) {
            expected = after.first;
        }
        const auto focus = events.of(QAccessible::Focus);
        if (expected < 0) {
            EXPECT_TRUE(focus.empty()) << press;
        } else {
            ASSERT_EQ(focus.size(), 1u) << press;
            EXPECT_EQ(rowOf(focus.back()), expected);
            EXPECT_EQ(focus.back().name, row(expected)[0]);
        }
        events.clear();
    }
    // Lines 2h apart scroll into sight every other press or so.
    EXPECT_GE(reported, 4);
    // The cell reported is the one with the focus, wholly in sight.
    QAccessibleInterface* focused = table()->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->tableCellInterface()->rowIndex(), view.focusLine());
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(view.viewport()->rect().contains(
        QRect(view.viewport()->mapFromGlobal(focused->rect().topLeft()), focused->rect().size())));
}

TEST_F(CatalogueAccessibility, UpAndPagesReportTheTopLine)
{
    addCations(40);
    show(200);
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(&view, Qt::Key_PageDown);
    AccessibilityEvents events;
    QTest::keyClick(&view, Qt::Key_PageDown);
    ASSERT_EQ(events.of(QAccessible::Focus).size(), 1u);
    EXPECT_EQ(rowOf(events.of(QAccessible::Focus).back()), view.linesInSight().first);

    events.clear();
    int reported = 0;
    for (int press = 0; press < 6; ++press) {
        const LineRange before = view.linesInSight();
        QTest::keyClick(&view, Qt::Key_Up);
        if (view.linesInSight().first < before.first) {
            ++reported;
            ASSERT_EQ(events.of(QAccessible::Focus).size(), std::size_t(reported));
            EXPECT_EQ(rowOf(events.of(QAccessible::Focus).back()), view.linesInSight().first);
        }
    }
    EXPECT_GE(reported, 2);
}

TEST_F(CatalogueAccessibility, NothingIsReportedWhenTheViewCannotScroll)
{
    show(200);
    AccessibilityEvents events;
    // At the top already.
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_PageUp);
    EXPECT_TRUE(events.of(QAccessible::Focus).empty());
}

TEST_F(CatalogueAccessibility, TakingTheFocusReportsTheFocusedLine)
{
    show(400);
    view.clearFocus();
    AccessibilityEvents events;
    view.setFocus();
    QApplication::processEvents();
    const auto focus = events.of(QAccessible::Focus);
    ASSERT_FALSE(focus.empty());
    // After the view's own focus event, so that the line is what a screen reader reads.
    EXPECT_EQ(rowOf(focus.back()), view.focusLine());
    EXPECT_EQ(focus.back().name, "Cations:");
}

} // namespace
