#include "app/TFrame.h"

#include "compound/IonRange.h"
#include "platform/Latin1.h"
#include "platform/Ui.h"
#include "quiz/QuizHeading.h"
#include "resources/CommandIds.h"
#include "resources/DialogRecords.h"
#include "resources/Menus.h"
#include "resources/StringTable.h"
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

    frameCommands.bind(cmd::New, [this] { NewQuiz(); });
    frameCommands.bind(cmd::Open, [this] { OpenQuiz(); });
    frameCommands.bind(cmd::PrintList, [this] { symbolWindow->PrintList(); });
    frameCommands.bind(cmd::Add, [this] { catalogueCommands.edit(&CatalogueEditor::AddIon); });
    frameCommands.bind(cmd::Delete, [this] { catalogueCommands.edit(&CatalogueEditor::DeleteIon); });
    frameCommands.bind(cmd::Change, [this] { catalogueCommands.edit(&CatalogueEditor::ChangeIon); });
    frameCommands.bind(cmd::Sort, [this] { catalogueCommands.edit(&CatalogueEditor::SortIons); });
    frameCommands.bind(cmd::Practice, [this] { StartPractice(); });
    frameCommands.bind(cmd::QuitPractice, [this] { QuitPractice(); });
    frameCommands.bind(cmd::Return, [this] { MakeQuiz(); });
    frameCommands.bind(cmd::PrintQuiz, [this] { PrintQuiz(); });
    frameCommands.bind(cmd::DontPrint, [this] { DontPrint(); });
    frameCommands.bind(cmd::Exit, [this] { Exit(); });
    frameCommands.bind(cmd::HelpIndex, [this] { HelpIndex(); });
    frameCommands.bind(cmd::UsingHelp, [this] { UsingHelp(); });

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

void TFrame::assignMenu(const std::string& name)
{
    currentMenu = name;
    // The old menus go with their items. A switch can come from one of their own items, so
    // they are deleted once that item's signal has returned.
    QMenuBar* bar = menuBar();
    for (QAction* item : bar->actions()) {
        if (QMenu* popup = item->menu())
            popup->deleteLater();
        else if (item->parent() == bar)
            item->deleteLater();
    }
    bar->clear();
    addMenuItems(bar, menuResource(name).bar);
}

void TFrame::addMenuItems(QWidget* menu, const std::vector<MenuItem>& items)
{
    for (const MenuItem& item : items) {
        const QString text = fromLatin1Bytes(item.text);
        switch (item.kind) {
        case MenuItem::Kind::Separator: {
            auto* separator = new QAction(menu);
            separator->setSeparator(true);
            menu->addAction(separator);
            break;
        }
        case MenuItem::Kind::Popup: {
            auto* popup = new QMenu(text, menu);
            addMenuItems(popup, item.items);
            menu->addAction(popup->menuAction());
            break;
        }
        case MenuItem::Kind::Command: {
            auto* action = new QAction(text, menu);
            action->setData(item.command);
            action->setStatusTip(fromLatin1Bytes(commandDescription(item.command)));
            const int command = item.command;
            connect(action, &QAction::triggered, this, [this, command] { dispatchCommand(command); });
            menu->addAction(action);
            break;
        }
        }
    }
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

const CommandTable* TFrame::clientCommands() const
{
    if (client() == symbolWindow)
        return &symbolWindow->commands();
    if (client() == practiceWindow)
        return &practiceWindow->commands();
    return nullptr;
}

void TFrame::dispatchCommand(int command)
{
    emit commandReceived(command);
    routeCommand(command, clientCommands(), frameCommands);
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
    if (!quizWindow->OpenQuiz())
        return;
    switchView("MENU_4", quizWindow);
}

void TFrame::OpenQuizFile(const std::string& name)
{
    // Open shows an empty quiz for a file it cannot read, since its dialog offered only files
    // that were there; a name from outside may be anything, and an empty quiz would help no one.
    if (!quizWindow->OpenQuizFile(name))
        return;
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
