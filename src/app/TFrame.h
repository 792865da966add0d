#pragma once

#include "app/CatalogueCommands.h"
#include "catalogue/CatalogueStore.h"
#include "compound/IonRange.h"
#include "resources/Commands.h"

#include <QMainWindow>

#include <map>
#include <optional>
#include <string>
#include <vector>

class Clock;
class QAction;
class QStackedWidget;
class Random;
class TPracticeWindow;
class TQuizWindow;
class TSymbolWindow;
class Ui;

// The main window: holds the program's catalogue and the three views, shows one of them at a
// time with the menu of its mode, runs every command, and opens help. The work happens in the
// views and the catalogue commands.
class TFrame : public QMainWindow {
    Q_OBJECT
public:
    enum class Mode { Catalogue, Practice, QuizPreview };

    // Loads both catalogue files; the quiz view seeds the generator from the clock.
    TFrame(Ui& ui, Clock& clock, Random& random, QWidget* parent = nullptr);
    ~TFrame() override;

    CatalogueStore& catalogueStore() { return store; }

    TSymbolWindow& catalogueView() const { return *symbolWindow; }
    TPracticeWindow& practiceView() const { return *practiceWindow; }
    TQuizWindow& quizView() const { return *quizWindow; }

    // The view switch of every mode change: put up a menu and make a view the client, which
    // hides the view that was shown.
    void switchView(const std::string& menuName, QWidget* show);
    Mode mode() const;
    const std::string& menuName() const { return currentMenu; }
    QWidget* client() const;

    // One shortcut per row, in force in every mode while no dialog is open.
    void loadAccelerators(const std::vector<Accelerator>& table);

    // A command from a menu or an accelerator.
    void dispatchCommand(int command);

    // A quiz file named when the program was started: opened as Open opens the file chosen
    // in its dialog. One that cannot be opened is reported and leaves the mode as it was.
    void OpenQuizFile(const std::string& name);

    bool helpIndexOpened() const { return helpIndexUsed; }
    bool usingHelpOpened() const { return usingHelpUsed; }

signals:
    // Every command as it arrives, before it is routed.
    void commandReceived(int command);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void makeActions();
    QList<QAction*> menuActions(const std::vector<MenuItem>& items);
    void assignMenu(const std::string& name);

    // Practice and a new quiz start only while no practice runs and both lists have entries;
    // then the range dialog says how far down each list they draw.
    std::optional<IonRange> rangeForNewWork();
    void NewQuiz();
    void MakeQuiz();
    void OpenQuiz();
    void StartPractice();
    void QuitPractice();
    void PrintQuiz();
    void DontPrint();
    void LeaveQuizView();
    void HelpIndex();
    void UsingHelp();
    void Exit();

    Ui& ui;
    // Made before the views and the commands that show and edit it.
    CatalogueStore store;
    QStackedWidget* stack;
    TSymbolWindow* symbolWindow;
    CatalogueCommands catalogueCommands;
    TQuizWindow* quizWindow;
    TPracticeWindow* practiceWindow;
    // One action per command, made once; each mode's menu bar is a list of them, also made once.
    std::map<int, QAction*> commandActions;
    std::map<std::string, QList<QAction*>> menuBars;
    std::string currentMenu;
    // The quiz heading as New loaded and stored it last: at most 120 characters.
    std::string quizHeading;
    bool helpIndexUsed = false;
    bool usingHelpUsed = false;
};
