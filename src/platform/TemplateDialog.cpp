#include "platform/TemplateDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>
#include <cmath>
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

// A multi-line field whose words wrap at its edge. Enter belongs to the dialog's default
// button; Ctrl+Enter types a line break.
class MultiLineField : public QPlainTextEdit {
public:
    MultiLineField(int limit, QWidget* parent) : QPlainTextEdit(parent), capacity(limit)
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

    QString value() const
    {
        // toPlainText() would turn no-break spaces into spaces; the record keeps its bytes.
        QString text = document()->toRawText();
        text.replace(QChar::ParagraphSeparator, u'\n');
        text.replace(QChar::LineSeparator, u'\n');
        return text;
    }

    void setValue(const QString& text) { setPlainText(text); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (!(event->modifiers() & Qt::ControlModifier)) {
                event->ignore();
                return;
            }
            if (takes(QStringLiteral("\n")))
                insertPlainText(QStringLiteral("\n"));
            event->accept();
            return;
        }
        const QString typed = event->text();
        if (!typed.isEmpty() && typed.front().isPrint() && !takes(typed)) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }

    // Pasting and dropping: text that is not Latin-1 is refused, text that is too long cut.
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source->hasText())
            return;
        QString text = source->text();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        if (!storable(text))
            return;
        insertPlainText(text.left(std::max(0, room())));
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        if (takes(event->commitString())) {
            QPlainTextEdit::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&withoutCommit);
    }

private:
    // Characters that can still go in place of the selection.
    int room() const
    {
        const int length = document()->characterCount() - 1;
        const int selected = static_cast<int>(textCursor().selectedText().size());
        return capacity - (length - selected);
    }

    bool takes(const QString& text) const { return storable(text) && text.size() <= room(); }

    int capacity;
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
            widget = new MultiLineField(transfer.capacity(field), this);
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

void TemplateDialog::placeOnOwner()
{
    QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    QPoint topLeft;
    if (owner) {
        topLeft = owner->mapToGlobal(offsetOnOwner);
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
