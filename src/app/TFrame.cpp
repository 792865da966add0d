#include "app/TFrame.h"

#include "compound/IonRange.h"
#include "platform/Latin1.h"
#include "platform/Ui.h"
#include "quiz/QuizHeading.h"
#include "resources/CommandIds.h"
#include "resources/DialogRecords.h"
#include "views/TPracticeWindow.h"
#include "views/TQuizWindow.h"
#include "views/TSymbolWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStackedWidget>

namespace {

const char* const caption = "Symbols and Charges Practice";
const char* const programHelp = "valkora.hlp";
const char* const viewerHelp = "WINHELP.HLP";

// Exit is the one command whose text differs from menu to menu, so a menu bar that is put up
// gives its actions the texts it has for them.
void showItemTexts(const std::vector<MenuItem>& items, const std::map<int, QAction*>& actions)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItem::Kind::Command)
            actions.at(item.command)->setText(fromLatin1Bytes(item.text));
        showItemTexts(item.items, actions);
    }
}

} // namespace

TFrame::TFrame(Ui& ui, Clock& clock, Random& random, QWidget* parent)
    : QMainWindow(parent)
    , ui(ui)
    , stack(new QStackedWidget(this))
    , symbolWindow(new TSymbolWindow(ui, store.catalogue(), stack))
    , catalogueCommands(ui, store, *symbolWindow)
{
    setWindowTitle(QString::fromLatin1(caption));
    setCentralWidget(stack);
    // The menu bar belongs in the window, whatever the desktop would do with it.
    menuBar()->setNativeMenuBar(false);

    // In this order: both catalogue files are read, with their messages, before the quiz view
    // seeds the random generator.
    catalogueCommands.LoadIons();
    quizWindow = new TQuizWindow(ui, clock, random, stack);
    practiceWindow = new TPracticeWindow(ui, clock, random, stack);
    stack->addWidget(symbolWindow);
    stack->addWidget(quizWindow);
    stack->addWidget(practiceWindow);

    makeActions();

    // Room for the three columns of the lists and a good part of them; the window system
    // may place and size it otherwise.
    resize(640, 520);

    // The program starts in catalogue mode.
    switchView("MENU_1", symbolWindow);
}

TFrame::~TFrame()
{
    // The views show the store's lists: they go while it is still there.
    delete stack;
}

void TFrame::switchView(const std::string& menuName, QWidget* show)
{
    // The client area is a stack, so showing one view hides whichever was shown before.
    assignMenu(menuName);
    stack->setCurrentWidget(show);
    show->setFocus();
}

TFrame::Mode TFrame::mode() const
{
    if (client() == practiceWindow)
        return Mode::Practice;
    if (client() == quizWindow)
        return Mode::QuizPreview;
    return Mode::Catalogue;
}

QWidget* TFrame::client() const
{
    return stack->currentWidget();
}

void TFrame::makeActions()
{
    for (const CommandRow& row : commandRows()) {
        auto* action = new QAction(fromLatin1Bytes(row.menuText), this);
        action->setData(row.command);
        action->setStatusTip(fromLatin1Bytes(row.hint));
        const int command = row.command;
        connect(action, &QAction::triggered, this, [this, command] { dispatchCommand(command); });
        commandActions[command] = action;
    }
    for (const MenuResource& menu : menuResources())
        menuBars[menu.name] = menuActions(menu.bar);
}

QList<QAction*> TFrame::menuActions(const std::vector<MenuItem>& items)
{
    QList<QAction*> actions;
    for (const MenuItem& item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            actions.append(new QAction(this));
            actions.back()->setSeparator(true);
            break;
        case MenuItem::Kind::Popup: {
            auto* popup = new QMenu(fromLatin1Bytes(item.text), this);
            popup->addActions(menuActions(item.items));
            actions.append(popup->menuAction());
            break;
        }
        case MenuItem::Kind::Command:
            actions.append(commandActions.at(item.command));
            break;
        }
    }
    return actions;
}

void TFrame::assignMenu(const std::string& name)
{
    currentMenu = name;
    showItemTexts(menuResource(name).bar, commandActions);
    // The bar owns none of the actions, so clearing it only takes them off.
    menuBar()->clear();
    menuBar()->addActions(menuBars.at(name));
}

void TFrame::loadAccelerators(const std::vector<Accelerator>& table)
{
    for (const Accelerator& accelerator : table) {
        auto* shortcut =
            new QShortcut(QKeySequence(QKeyCombination(accelerator.modifiers, accelerator.key)), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int command = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { dispatchCommand(command); });
    }
}

void TFrame::dispatchCommand(int command)
{
    emit commandReceived(command);
    switch (command) {
    case cmd::New: NewQuiz(); break;
    case cmd::Open: OpenQuiz(); break;
    case cmd::PrintList: symbolWindow->PrintList(); break;
    case cmd::Add: catalogueCommands.edit(&CatalogueEditor::AddIon); break;
    case cmd::Delete: catalogueCommands.edit(&CatalogueEditor::DeleteIon); break;
    case cmd::Change: catalogueCommands.edit(&CatalogueEditor::ChangeIon); break;
    case cmd::Sort: catalogueCommands.edit(&CatalogueEditor::SortIons); break;
    case cmd::Practice: StartPractice(); break;
    case cmd::PrintResults: practiceWindow->printResults(); break;
    case cmd::QuitPractice: QuitPractice(); break;
    case cmd::Return: MakeQuiz(); break;
    case cmd::PrintQuiz: PrintQuiz(); break;
    case cmd::DontPrint: DontPrint(); break;
    case cmd::HelpIndex: HelpIndex(); break;
    case cmd::UsingHelp: UsingHelp(); break;
    case cmd::Exit: Exit(); break;
    default: break;
    }
}

void TFrame::NewQuiz()
{
    const QString headingFile = QString::fromLatin1(quiz_heading::fileName);
    const auto unableToOpen = [this] {
        ui.messageBox(this, "Unable to open valkora.hed", "Warning", MessageIcon::Exclamation);
    };
    const std::optional<std::string> loaded = quiz_heading::loadForEditing(headingFile);
    if (!loaded) {
        unableToOpen();
        return;
    }
    quizHeading = *loaded;
    static_assert(fieldWidth(&HeadingEntry::heading) == int(quiz_heading::maxLength) + 1,
                  "the heading field holds the whole heading and no more");
    HeadingEntry entry = fittedToDialog(HeadingEntry{quizHeading});
    if (runDialog<DialogId::EditHeading>(ui, this, entry) != dialogOk)
        return;
    quizHeading = entry.heading;
    if (!quiz_heading::save(headingFile, quizHeading)) {
        unableToOpen();
        return;
    }
    MakeQuiz();
}

std::optional<IonRange> TFrame::rangeForNewWork()
{
    const IonCatalogue& catalogue = store.catalogue();
    if (practiceWindow->sessionActive() || catalogue.cations.empty() || catalogue.anions.empty())
        return std::nullopt;
    return askIonRange(ui, symbolWindow, catalogue);
}

void TFrame::MakeQuiz()
{
    const std::optional<IonRange> range = rangeForNewWork();
    if (!range)
        return;
    quizWindow->takeWorkingLists(store.catalogue(), *range);
    switchView("MENU_4", quizWindow);
    quizWindow->CreateQuiz();
}

void TFrame::OpenQuiz()
{
    if (quizWindow->OpenQuiz())
        switchView("MENU_4", quizWindow);
}

void TFrame::OpenQuizFile(const std::string& name)
{
    // Open shows an empty quiz for a file it cannot read, since its dialog offered only files
    // that were there; a name from outside may be anything, and an empty quiz would help no one.
    if (quizWindow->OpenQuizFile(name))
        switchView("MENU_4", quizWindow);
}

void TFrame::StartPractice()
{
    const std::optional<IonRange> range = rangeForNewWork();
    if (!range)
        return;
    practiceWindow->takeWorkingLists(store.catalogue(), *range);
    switchView("MENU_2", practiceWindow);
    practiceWindow->startPractice(*range);
}

void TFrame::QuitPractice()
{
    practiceWindow->endPractice();
    switchView("MENU_1", symbolWindow);
}

void TFrame::PrintQuiz()
{
    quizWindow->PrintQuiz(store.catalogue());
    LeaveQuizView();
}

void TFrame::DontPrint()
{
    LeaveQuizView();
}

void TFrame::LeaveQuizView()
{
    quizWindow->LeaveQuiz();
    setWindowTitle(QString::fromLatin1(caption));
    switchView("MENU_1", symbolWindow);
}

void TFrame::HelpIndex()
{
    ui.showHelpContents(this, programHelp);
    helpIndexUsed = true;
}

void TFrame::UsingHelp()
{
    ui.showHelpContents(this, viewerHelp);
    usingHelpUsed = true;
}

void TFrame::Exit()
{
    // Ends the run at once: nothing is asked and nothing needs saving.
    QCoreApplication::exit(0);
}

void TFrame::closeEvent(QCloseEvent* event)
{
    if (helpIndexUsed)
        ui.closeHelp(programHelp);
    if (usingHelpUsed)
        ui.closeHelp(viewerHelp);
    event->accept();
}
