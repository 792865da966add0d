#include "platform/TemplateDialog.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

QString fromBytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Fields hold Latin-1 bytes, and a zero byte would end a field early.
bool storable(QStringView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() != 0 && c.unicode() <= 0xFF; });
}

QFont dialogFont(DialogFont font)
{
    if (font == DialogFont::FixedPitch) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(10);
        return fixed;
    }
    return QApplication::font();
}

// Horizontal units are a quarter of the font's average character width, vertical ones an
// eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font)
    {
        const QFontMetrics metrics(font);
        baseX = metrics.horizontalAdvance(
                    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
            / 52.0;
        baseY = metrics.height();
    }

    int x(int units) const { return static_cast<int>(std::lround(units * baseX / 4)); }
    int y(int units) const { return static_cast<int>(std::lround(units * baseY / 8)); }
    QRect rect(const DialogRect& r) const { return {x(r.x), y(r.y), x(r.width), y(r.height)}; }

private:
    double baseX = 0;
    double baseY = 0;
};

std::optional<TransferRecord::Kind> boundKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
    case ControlKind::MultiLineEdit:
        return TransferRecord::Kind::Text;
    case ControlKind::RadioButton:
        return TransferRecord::Kind::Choice;
    default:
        return std::nullopt;
    }
}

void checkRecordFits(const DialogTemplate& dialog, const TransferRecord& record)
{
    int field = 0;
    for (const ControlTemplate& control : dialog.controls) {
        const std::optional<TransferRecord::Kind> kind = boundKind(control.kind);
        if (!kind)
            continue;
        if (field >= record.fieldCount() || record.kind(field) != *kind)
            throw std::logic_error(dialog.name + ": control " + std::to_string(control.id)
                                   + " does not match field " + std::to_string(field)
                                   + " of its transfer record");
        ++field;
    }
    if (field != record.fieldCount())
        throw std::logic_error(dialog.name + " binds " + std::to_string(field)
                               + " fields, its transfer record has "
                               + std::to_string(record.fieldCount()));
}

// QLineEdit keeps this many pixels between its contents rectangle and the text on either
// side, and needs one more after the text for the cursor; anything wider scrolls sideways.
constexpr int lineEditTextInset = 2;
constexpr int lineEditCursorWidth = 1;

// A one-line field. One that may not scroll sideways takes only what shows whole in it.
class LineField : public QLineEdit {
public:
    LineField(int capacity, bool scrollsSideways, QWidget* parent);

    bool takes(const QString& text) const
    {
        if (scrollsSideways)
            return true;
        const int width = textWidth(text);
        // Shortening is always allowed, so that a value from the record that is already too
        // wide can still be edited down.
        return width + lineEditCursorWidth <= visibleWidth() || width <= textWidth(lastText);
    }

private:
    int textWidth(const QString& text) const
    {
        return qRound(QFontMetricsF(font()).horizontalAdvance(text));
    }

    int visibleWidth() const
    {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()
                                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                                   .marginsRemoved(textMargins());
        return contents.width() - 2 * lineEditTextInset;
    }

    bool scrollsSideways;
    QString lastText;
};

class FieldValidator : public QValidator {
public:
    explicit FieldValidator(LineField* owner) : QValidator(owner), field(owner) {}

    State validate(QString& input, int&) const override
    {
        return storable(input) && field->takes(input) ? Acceptable : Invalid;
    }

private:
    const LineField* field;
};

LineField::LineField(int capacity, bool sideways, QWidget* parent)
    : QLineEdit(parent), scrollsSideways(sideways)
{
    setMaxLength(capacity);
    setValidator(new FieldValidator(this));
    // The narrowest of these fields is only four average characters wide: a pixel less of
    // inner margin on each side makes room for three digits.
    if (!scrollsSideways)
        setTextMargins(-1, 0, -1, 0);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText = text; });
}

// What a multi-line field hands back: its lines as it shows them, each place where it wrapped
// a line marked "\r\r\n", each line break typed into it "\r\n" and each line feed that it was
// given bare (a heading file read as text has only these) a bare "\n" again.
struct ShownText {
    QString text;
    qsizetype longestLine = 0;
};

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

// The blanks after the last word of a full line run on past the field's edge, where nothing
// shows them; they are not handed back, so that no line holds more than `columns` characters.
// Nothing may be composing in the field: the layout would hold that text too.
ShownText shownText(const QPlainTextEdit& field, int columns)
{
    const QTextDocument& document = *field.document();
    const auto* layout = static_cast<QPlainTextDocumentLayout*>(document.documentLayout());
    ShownText shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            shown.text += followsBareLineFeed(block) ? QStringLiteral("\n") : QStringLiteral("\r\n");
        layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            QString shownLine = text.mid(line.textStart(), line.textLength());
            while (columns > 0 && shownLine.size() > columns && hangs(shownLine.back()))
                shownLine.chop(1);
            if (i > 0)
                shown.text += QStringLiteral("\r\r\n");
            shown.text += shownLine;
            shown.longestLine = std::max(shown.longestLine, shownLine.size());
        }
    }
    return shown;
}

// A multi-line field whose words wrap at its edge, or after a number of characters of its
// fixed-pitch font. Enter belongs to the dialog's default button; Ctrl+Enter types a line
// break. The field takes no more than its record holds in the form it is handed back in,
// line marks included, so nothing in it is cut off on OK.
class MultiLineField : public QPlainTextEdit {
public:
    MultiLineField(int limit, int wrapColumns, QWidget* parent)
        : QPlainTextEdit(parent), capacity(limit), columns(wrapColumns)
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

    QString value()
    {
        endComposing();
        return shown().text;
    }

    // A bare line feed of the record, as a file read as text holds, is handed back bare; one
    // after a carriage return was a line mark of an earlier OK and comes back as a typed line
    // break. Carriage returns are no characters of the text.
    void setValue(const QString& value)
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

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        if (columns > 0) {
            // Lines are as wide as the viewport less the document margins. Narrowing the
            // viewport to exactly `columns` characters means no rounding of the font's widths
            // can let one more onto a line.
            const qreal lineWidth = QFontMetricsF(document()->defaultFont())
                                        .horizontalAdvance(QString(columns, u'0'));
            const int textWidth =
                static_cast<int>(std::ceil(lineWidth + 2 * document()->documentMargin()));
            setViewportMargins(0, 0, contentsRect().width() - textWidth, 0);
        }
        QPlainTextEdit::resizeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
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
        if (!typed.isEmpty() && typed.front().isPrint() && !storable(typed)) {
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
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source->hasText())
            return;
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        if (!storable(text))
            return;
        // All but blanks past the edge take a byte each: more than the record holds is not
        // worth trying.
        qsizetype length = std::min<qsizetype>(text.size(), capacity);
        while (length > 0 && !guarded([&] { insertLines(text.left(length)); }))
            --length;
    }

    // A move within the field removes the text and inserts it elsewhere: one edit, which is
    // taken whole or not at all.
    void dropEvent(QDropEvent* event) override
    {
        guarded([&] { QPlainTextEdit::dropEvent(event); });
    }

    // The text an input method commits is checked without what it is still composing, which
    // is shown again after it.
    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (!event->commitString().isEmpty() && storable(event->commitString())) {
            hideComposing();
            QInputMethodEvent commit;
            commit.setCommitString(event->commitString(), event->replacementStart(),
                                   event->replacementLength());
            guarded([&] { QPlainTextEdit::inputMethodEvent(&commit); });
        }
        QInputMethodEvent composing(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&composing);
    }

    // Cut and Delete from the menu are checked as the keys are.
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        QMenu* menu = createStandardContextMenu(event->pos());
        for (QAction* action : menu->actions()) {
            if (action->objectName() == u"edit-cut") {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this, [this] { guarded([this] { cut(); }); });
            } else if (action->objectName() == u"edit-delete") {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, this,
                        [this] { guarded([this] { textCursor().removeSelectedText(); }); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

private:
    ShownText shown() const { return shownText(*this, columns); }

    // Every line feed inserted is a typed line break: the line after it starts without the
    // mark of a bare line feed, whatever line it was typed in.
    void insertLines(const QString& text)
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

    bool composing() const { return !textCursor().block().layout()->preeditAreaText().isEmpty(); }

    // What an input method is composing is not the field's text, yet the layout wraps it too.
    void hideComposing()
    {
        if (!composing())
            return;
        QInputMethodEvent nothing;
        QPlainTextEdit::inputMethodEvent(&nothing);
    }

    void endComposing()
    {
        if (!composing())
            return;
        QGuiApplication::inputMethod()->reset();
        hideComposing();
    }

    // An edit that leaves `after` fits when the record takes it; in a field that already held
    // more than that, as a record from elsewhere may, when it takes no more room than before.
    // Only characters of no width, such as the soft hyphen, can crowd a line past `columns`.
    bool fits(const ShownText& after, const ShownText& before) const
    {
        const qsizetype length = after.text.size();
        const bool tooLong = length > capacity && length > before.text.size();
        const bool tooWide = columns > 0 && after.longestLine > columns
            && after.longestLine > before.longestLine;
        return !tooLong && !tooWide;
    }

    // Runs an edit and takes it back, cursor and all, when it does not fit. Each checked edit
    // is an undo step of its own, so the undo history keeps no trace of one taken back.
    template <typename Edit>
    bool guarded(Edit&& edit)
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

    int capacity;
    int columns;
    bool editing = false;
};

QFrame* shadedPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette shade = panel->palette();
    shade.setColor(QPalette::Window, shade.color(QPalette::Window).darker(106));
    panel->setPalette(shade);
    return panel;
}

QPushButton* dialogButton(const std::string& text, QStyle::StandardPixmap icon,
                          QWidget* parent)
{
    auto* button = new QPushButton(fromBytes(text), parent);
    button->setIcon(parent->style()->standardIcon(icon, nullptr, button));
    return button;
}

} // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, TransferRecord& transfer,
                               QWidget* owner)
    : QDialog(owner), record(transfer)
{
    checkRecordFits(dialog, transfer);

    setWindowTitle(fromBytes(dialog.title));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(dialogFont(dialog.font));

    const DialogUnits units(font());
    offsetOnOwner = QPoint(units.x(dialog.frame.x), units.y(dialog.frame.y));
    setFixedSize(units.x(dialog.frame.width), units.y(dialog.frame.height));

    QWidget* previousTabStop = nullptr;
    for (const ControlTemplate& c : dialog.controls) {
        const int field = static_cast<int>(bindings.size());
        QWidget* widget = nullptr;
        switch (c.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(fromBytes(c.text), this);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ControlKind::Edit:
            widget = new LineField(transfer.capacity(field), c.scrollsSideways, this);
            bindings.push_back({c.kind, widget});
            break;
        case ControlKind::MultiLineEdit:
            widget = new MultiLineField(transfer.capacity(field), c.wrapColumns, this);
            bindings.push_back({c.kind, widget});
            break;
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(fromBytes(c.text), this);
            if (c.startsGroup || radioGroups.empty())
                radioGroups.push_back(new QButtonGroup(this));
            radioGroups.back()->addButton(radio);
            widget = radio;
            bindings.push_back({c.kind, widget});
            break;
        }
        case ControlKind::GroupFrame:
            widget = shadedPanel(this);
            break;
        case ControlKind::DipLine: {
            auto* rule = new QFrame(this);
            rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
            widget = rule;
            break;
        }
        case ControlKind::OkButton: {
            QPushButton* button = dialogButton(c.text, QStyle::SP_DialogOkButton, this);
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &TemplateDialog::accept);
            widget = button;
            break;
        }
        case ControlKind::CancelButton: {
            QPushButton* button = dialogButton(c.text, QStyle::SP_DialogCancelButton, this);
            connect(button, &QPushButton::clicked, this, &TemplateDialog::reject);
            widget = button;
            break;
        }
        }

        widget->setGeometry(units.rect(c.rect));
        if (c.id != noControlId)
            widget->setObjectName(QStringLiteral("ctl%1").arg(c.id));

        // Frames come late in some templates but are drawn behind what they group.
        if (c.kind == ControlKind::GroupFrame)
            widget->lower();
        // Labels sit at the top left of their box, as the templates were laid out. A text
        // wider than its box (a sign after the charge) is centred, so only its side bearings
        // are cut off.
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const bool tooWide = label->fontMetrics().horizontalAdvance(label->text())
                > label->width();
            label->setAlignment((tooWide ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        }

        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previousTabStop)
                setTabOrder(previousTabStop, widget);
            previousTabStop = widget;
        }
        placed.push_back(widget);
    }
}

int TemplateDialog::execute()
{
    return exec() == QDialog::Accepted ? dialogOk : dialogCancel;
}

QWidget* TemplateDialog::control(int id) const
{
    if (id == noControlId)
        return nullptr;
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id), Qt::FindDirectChildrenOnly);
}

void TemplateDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        loadRecord();
        placeOnOwner();
        const auto first = std::find_if(placed.begin(), placed.end(), [](QWidget* w) {
            return (w->focusPolicy() & Qt::TabFocus) != 0;
        });
        if (first != placed.end()) {
            (*first)->setFocus();
            // The field that opens with the focus has its text selected, ready to be retyped.
            if (auto* field = qobject_cast<QLineEdit*>(*first))
                field->selectAll();
        }
    }
    QDialog::setVisible(visible);
}

void TemplateDialog::accept()
{
    storeRecord();
    QDialog::accept();
}

void TemplateDialog::loadRecord()
{
    // An exclusive group will not uncheck its checked button, and a record may check none.
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(false);
    for (int field = 0; field < static_cast<int>(bindings.size()); ++field) {
        QWidget* widget = bindings[field].widget;
        switch (bindings[field].kind) {
        case ControlKind::Edit:
            static_cast<LineField*>(widget)->setText(fromBytes(record.text(field)));
            break;
        case ControlKind::MultiLineEdit:
            static_cast<MultiLineField*>(widget)->setValue(fromBytes(record.text(field)));
            break;
        case ControlKind::RadioButton:
            static_cast<QRadioButton*>(widget)->setChecked(record.choice(field) != 0);
            break;
        default:
            break;
        }
    }
    for (QButtonGroup* group : radioGroups)
        group->setExclusive(true);
}

void TemplateDialog::storeRecord()
{
    for (int field = 0; field < static_cast<int>(bindings.size()); ++field) {
        QWidget* widget = bindings[field].widget;
        switch (bindings[field].kind) {
        case ControlKind::Edit:
            record.setText(field, toBytes(static_cast<LineField*>(widget)->text()));
            break;
        case ControlKind::MultiLineEdit:
            record.setText(field, toBytes(static_cast<MultiLineField*>(widget)->value()));
            break;
        case ControlKind::RadioButton:
            record.setChoice(field, static_cast<QRadioButton*>(widget)->isChecked() ? 1 : 0);
            break;
        default:
            break;
        }
    }
}

namespace {

// Where an owner's own drawing starts: inside a scrolled view's frame, below a main window's
// menu bar.
QWidget* clientArea(QWidget* owner)
{
    if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(owner))
        return scrolled->viewport();
    if (auto* main = qobject_cast<QMainWindow*>(owner); main && main->centralWidget())
        return main->centralWidget();
    return owner;
}

} // namespace

void TemplateDialog::placeOnOwner()
{
    QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QPoint topLeft;
    if (owner) {
        topLeft = clientArea(owner)->mapToGlobal(offsetOnOwner);
    } else if (screen) {
        topLeft = screen->availableGeometry().center() - QPoint(width() / 2, height() / 2);
    }
    // An owner near the edge of the screen must not push the dialog off it.
    if (screen) {
        const QRect area = screen->availableGeometry();
        topLeft.setX(std::max(area.left(), std::min(topLeft.x(), area.right() + 1 - width())));
        topLeft.setY(std::max(area.top(), std::min(topLeft.y(), area.bottom() + 1 - height())));
    }
    // The template places the client area; the window frame goes around it.
    setGeometry(QRect(topLeft, size()));
}
