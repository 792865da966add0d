#pragma once

#include "catalogue/CatalogueEditor.h"
#include "catalogue/IonCatalogue.h"
#include "platform/CommandTable.h"
#include "print/Printer.h"

#include <QAbstractScrollArea>

class Ui;

// The catalogue view: holds the teacher's ion lists for the whole run, draws them numbered in
// three columns and scrolls vertically in units of 15 pixels.
class TSymbolWindow : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int scrollUnit = 15;
    static constexpr int minimumRange = 200;

    // Loads both catalogue files from the current directory.
    TSymbolWindow(Ui& ui, QWidget* parent = nullptr);

    const IonCatalogue& catalogue() const { return ions; }
    IonCatalogue& catalogue() { return ions; }

    // This view's own commands: none; it handles its scrolling keys itself.
    const CommandTable& commands() const { return ownCommands; }

    void LoadIons();
    void SaveCations();
    void SaveAnions();

    // After any change to the lists: a new scroll range and the whole view repainted.
    void catalogueChanged();

    int scrollPosition() const;
    int scrollRange() const;
    int pageStep() const;

    // Commands of the List and Quiz menus that the catalogue view carries out.
    void AddIon() { editor.AddIon(); }
    void DeleteIon() { editor.DeleteIon(); }
    void ChangeIon() { editor.ChangeIon(); }
    void SortIons() { editor.SortIons(); }
    // Prints both lists from their top, whatever the scroll position; the mode stays.
    void PrintList();

    const CatalogueEditor& editing() const { return editor; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void changeEvent(QEvent* event) override;

private:
    void updateScrollRange();
    int lineHeight() const;
    void saveList(const char* fileName, const IonList& list);

    Ui& ui;
    IonCatalogue ions;
    CatalogueEditor editor;
    CommandTable ownCommands;
    Printer printer;
};
