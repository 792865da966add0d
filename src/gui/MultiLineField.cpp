#include "gui/MultiLineField.h"

#include "gui/FieldText.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A line that follows a bare line feed of the field's value carries this mark in its block
// format. A break typed into the field starts a line without it, and deleting the line feed
// joins the line to the one before, whose format the joined line keeps.
constexpr int bareLineFeedMark = QTextFormat::UserProperty;

bool followsBareLineFeed(const QTextBlock& block)
{
    return block.blockFormat().boolProperty(bareLineFeedMark);
}

// The blanks that text layout lets run on past the edge of a full line.
bool hangs(QChar c)
{
    return c.isSpace() && c != QChar::Nbsp;
}

} // namespace

// The field's value, the length of its longest line as shown and how many lines it shows.
struct MultiLineField::ShownText {
    QString text;
    qsizetype longestLine = 0;
    int lines = 0;
};

MultiLineField::MultiLineField(int limit, int wrapColumns, std::function<void()> refused,
                               QWidget* parent)
    : QPlainTextEdit(parent), capacity(limit), columns(wrapColumns), beep(std::move(refused))
{
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // The default margin of 4 pixels would leave the second line of a field 20 units
    // high cut off.
    document()->setDocumentMargin(2);
}

QString MultiLineField::value()
{
    endComposing();
    return shown().text;
}

void MultiLineField::setValue(const QString& value)
{
    QString text;
    std::vector<bool> bare;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\r')
            continue;
        if (value[i] == u'\n')
            bare.push_back(i == 0 || value[i - 1] != u'\r');
        text += value[i];
    }
    setPlainText(text);
    QTextBlock block = document()->begin().next();
    for (bool mark : bare) {
        if (mark) {
            QTextBlockFormat format;
            format.setProperty(bareLineFeedMark, true);
            QTextCursor(block).mergeBlockFormat(format);
        }
        block = block.next();
    }
    document()->clearUndoRedoStacks();
}

// The blanks after the last word of a full line run on past the field's edge, where nothing
// shows them; they are not handed back, so that no line holds more than `columns` characters.
// Nothing may be composing in the field: the layout would hold that text too.
MultiLineField::ShownText MultiLineField::shown() const
{
    const QTextDocument& contents = *document();
    const auto* layout = static_cast<QPlainTextDocumentLayout*>(contents.documentLayout());
    ShownText shown;
    for (QTextBlock block = contents.begin(); block.isValid(); block = block.next()) {
        if (block != contents.begin())
            shown.text += followsBareLineFeed(block) ? QStringLiteral("\n")
                                                     : QStringLiteral("\r\n");
        layout->ensureBlockLayout(block);
        const QString blockText = block.text();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            QString shownLine = blockText.mid(line.textStart(), line.textLength());
            while (columns > 0 && shownLine.size() > columns && hangs(shownLine.back()))
                shownLine.chop(1);
            if (i > 0)
                shown.text += QStringLiteral("\r\r\n");
            shown.text += shownLine;
            shown.longestLine = std::max(shown.longestLine, shownLine.size());
        }
        shown.lines += lines->lineCount();
    }
    return shown;
}

// The lines that the field shows whole, inside its document margins.
int MultiLineField::linesShownWhole() const
{
    const qreal height = viewport()->height() - 2 * document()->documentMargin();
    const qreal line = QFontMetricsF(document()->defaultFont()).lineSpacing();
    return std::max(1, static_cast<int>(height / line));
}

// An edit that leaves `after` fits when the record takes it and the field shows all its lines;
// in a field that already held more than that, as a record from elsewhere may, when it takes
// no more room than before. Only characters of no width, such as the soft hyphen, can crowd a
// line past `columns`.
bool MultiLineField::fits(const ShownText& after, const ShownText& before) const
{
    const qsizetype length = after.text.size();
    const bool tooLong = length > capacity && length > before.text.size();
    const bool tooWide = columns > 0 && after.longestLine > columns
        && after.longestLine > before.longestLine;
    const bool tooTall = after.lines > linesShownWhole() && after.lines > before.lines;
    return !tooLong && !tooWide && !tooTall;
}

template <typename Edit>
void MultiLineField::guarded(Edit&& edit)
{
    if (!tried(std::forward<Edit>(edit)))
        beep();
}

// Takes an edit back, cursor and all, when it does not fit. Each checked edit is an undo step
// of its own, so the undo history keeps no trace of one taken back.
template <typename Edit>
bool MultiLineField::tried(Edit&& edit)
{
    if (editing) {
        edit();
        return true;
    }
    endComposing();
    const ShownText before = shown();
    const int anchor = textCursor().anchor();
    const int position = textCursor().position();
    const int scrolled = verticalScrollBar()->value();
    const int undoSteps = document()->availableUndoSteps();
    {
        const QScopedValueRollback<bool> nested(editing, true);
        QTextCursor step = textCursor();
        step.beginEditBlock();
        edit();
        step.endEditBlock();
    }
    // An undo adds no step: it returns to what the field held before.
    if (document()->availableUndoSteps() <= undoSteps || fits(shown(), before))
        return true;
    document()->undo();
    document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    QTextCursor restored(document());
    restored.setPosition(anchor);
    restored.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(restored);
    verticalScrollBar()->setValue(scrolled);
    return false;
}

void MultiLineField::resizeEvent(QResizeEvent* event)
{
    if (columns > 0) {
        // Lines are as wide as the viewport less the document margins. Narrowing the
        // viewport to exactly `columns` characters means no rounding of the font's widths
        // can let one more onto a line.
        const qreal lineWidth =
            QFontMetricsF(document()->defaultFont()).horizontalAdvance(QString(columns, u'0'));
        const int textWidth =
            static_cast<int>(std::ceil(lineWidth + 2 * document()->documentMargin()));
        setViewportMargins(0, 0, contentsRect().width() - textWidth, 0);
    }
    QPlainTextEdit::resizeEvent(event);
}

void MultiLineField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!(event->modifiers() & Qt::ControlModifier)) {
            event->ignore();
            return;
        }
        guarded([this] { insertLines(QStringLiteral("\n")); });
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.front().isPrint() && !storableInField(typed)) {
        beep();
        event->accept();
        return;
    }
    // A paste checks its own text, to cut it where it still fits.
    if (event->matches(QKeySequence::Paste)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // Deleting is checked too: joining two words or two lines can make a new wrap.
    guarded([&] { QPlainTextEdit::keyPressEvent(event); });
}

// Pasting and dropping: text that is not Latin-1 is refused, text that does not fit whole
// is cut where it still fits.
void MultiLineField::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (!storableInField(text)) {
        beep();
        return;
    }
    // All but blanks past the edge take a byte each: more than the record holds is not
    // worth trying.
    qsizetype length = std::min<qsizetype>(text.size(), capacity);
    while (length > 0 && !tried([&] { insertLines(text.left(length)); }))
        --length;
    if (length < text.size())
        beep();
}

// A move within the field removes the text and inserts it elsewhere: one edit, which is
// taken whole or not at all.
void MultiLineField::dropEvent(QDropEvent* event)
{
    guarded([&] { QPlainTextEdit::dropEvent(event); });
}

// The text an input method commits is checked without what it is still composing, which
// is shown again after it.
void MultiLineField::inputMethodEvent(QInputMethodEvent* event)
{
    const QString committed = event->commitString();
    if (!committed.isEmpty() && !storableInField(committed)) {
        beep();
    } else if (!committed.isEmpty()) {
        hideComposing();
        QInputMethodEvent commit;
        commit.setCommitString(committed, event->replacementStart(), event->replacementLength());
        guarded([&] { QPlainTextEdit::inputMethodEvent(&commit); });
    }
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
}

void MultiLineField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = editMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

namespace {

// The key is shown after a tab, where a menu shows the shortcuts of its actions, without
// making it a shortcut of the menu.
QString withKey(const char* text, QKeySequence::StandardKey key)
{
    QString label = QString::fromLatin1(text);
    if (QGuiApplication::styleHints()->showShortcutsInContextMenus())
        label += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
    return label;
}

} // namespace

// The usual edit menu, built here rather than taken from Qt so that Cut, Delete, Undo and
// Redo go through the same checks as their keys.
QMenu* MultiLineField::editMenu()
{
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    const bool selected = textCursor().hasSelection();
    const auto add = [&](const char* name, const char* text, QKeySequence::StandardKey key,
                         const char* icon, bool enabled, auto triggered) {
        QAction* action = menu->addAction(withKey(text, key));
        action->setObjectName(QString::fromLatin1(name));
        action->setIcon(QIcon::fromTheme(QString::fromLatin1(icon)));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, triggered);
    };
    add("undo", "&Undo", QKeySequence::Undo, "edit-undo",
        editable && document()->isUndoAvailable(), [this] { guarded([this] { undo(); }); });
    add("redo", "&Redo", QKeySequence::Redo, "edit-redo",
        editable && document()->isRedoAvailable(), [this] { guarded([this] { redo(); }); });
    menu->addSeparator();
    add("cut", "Cu&t", QKeySequence::Cut, "edit-cut", editable && selected,
        [this] { guarded([this] { cut(); }); });
    add("copy", "&Copy", QKeySequence::Copy, "edit-copy", selected, [this] { copy(); });
    // Pasted text is checked where it is inserted, and cut where it still fits.
    add("paste", "&Paste", QKeySequence::Paste, "edit-paste", editable && canPaste(),
        [this] { paste(); });
    add("delete", "Delete", QKeySequence::Delete, "edit-delete", editable && selected,
        [this] { guarded([this] { textCursor().removeSelectedText(); }); });
    menu->addSeparator();
    add("selectAll", "Select All", QKeySequence::SelectAll, "edit-select-all",
        !document()->isEmpty(), [this] { selectAll(); });
    return menu;
}

// Every line feed inserted is a typed line break: the line after it starts without the
// mark of a bare line feed, whatever line it was typed in.
void MultiLineField::insertLines(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat());
        cursor.insertText(lines[i]);
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool MultiLineField::composing() const
{
    return !textCursor().block().layout()->preeditAreaText().isEmpty();
}

// What an input method is composing is not the field's text, yet the layout wraps it too.
void MultiLineField::hideComposing()
{
    if (!composing())
        return;
    QInputMethodEvent nothing;
    QPlainTextEdit::inputMethodEvent(&nothing);
}

void MultiLineField::endComposing()
{
    if (!composing())
        return;
    QGuiApplication::inputMethod()->reset();
    hideComposing();
}
