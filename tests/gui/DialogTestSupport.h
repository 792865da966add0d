#pragma once

#include "gui/TemplateDialog.h"
#include "platform/DialogValues.h"
#include "resources/DialogRecords.h"
#include "resources/DialogTemplates.h"
#include "support/EveryDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// What the tests of the template dialog and its fields share: each dialog opened on an owner
// with a record of its own type bound as the program binds it, and ways to type, paste and
// read back a field.
namespace dialogtest {

// The dialog with this resource name, for tables that name their rows after it.
inline DialogId dialogNamed(const std::string& name)
{
    for (const DialogTemplate& t : allDialogTemplates())
        if (t.name == name)
            return t.id;
    throw std::invalid_argument("no dialog " + name);
}

// A record held for a dialog, seen by control id through its binding.
class HeldRecord {
public:
    virtual ~HeldRecord() = default;
    virtual DialogValues& values() = 0;
};

template <typename Record>
class HeldRecordOf final : public HeldRecord {
public:
    explicit HeldRecordOf(Record initial) : record(std::move(initial)) {}
    DialogValues& values() override { return bound; }

    Record record;

private:
    BoundRecord<Record> bound{record, dialogFields<Record>()};
};

template <typename Record>
std::unique_ptr<HeldRecord> held(Record record)
{
    return std::make_unique<HeldRecordOf<Record>>(std::move(record));
}

// An empty record of the type the dialog runs with.
inline std::unique_ptr<HeldRecord> recordFor(DialogId id)
{
    std::unique_ptr<HeldRecord> result;
    forEveryDialog([&]<DialogId dialog>() {
        if (dialog == id)
            result = held(DialogRecord<dialog>{});
    });
    return result;
}

// A shown dialog on a shown owner, with a record of the type the program gives it.
struct OpenDialog {
    explicit OpenDialog(DialogId id) : OpenDialog(id, recordFor(id)) {}
    explicit OpenDialog(const std::string& name) : OpenDialog(dialogNamed(name)) {}
    OpenDialog(DialogId id, std::unique_ptr<HeldRecord> initial) : holder(std::move(initial))
    {
        owner.setGeometry(100, 50, 500, 400);
        owner.show();
        dialog = std::make_unique<TemplateDialog>(dialogTemplate(id), holder->values(), &owner,
                                                  [this] { ++beeps; });
        dialog->show();
    }

    QWidget* control(int id) const { return dialog->control(id); }
    void click(int id) const { QTest::mouseClick(control(id), Qt::LeftButton); }
    // The record as the engine sees it, by control id.
    DialogValues& values() { return holder->values(); }
    // The record as the program sees it.
    template <typename Record>
    Record& record()
    {
        return dynamic_cast<HeldRecordOf<Record>&>(*holder).record;
    }

    std::unique_ptr<HeldRecord> holder;
    int beeps = 0; // the beeps of refused edits
    QWidget owner;
    std::unique_ptr<TemplateDialog> dialog;
};

inline void paste(QWidget* field, const QString& clip)
{
    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// QTest::keyClicks takes ASCII only; these are keys that type any character.
inline void typeCharacters(QWidget* field, const QString& characters)
{
    for (QChar c : characters)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline QString shownText(QWidget* control)
{
    if (auto* line = qobject_cast<QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        // toPlainText() would show a no-break space as a space.
        QString raw = box->document()->toRawText();
        return raw.replace(QChar::ParagraphSeparator, u'\n');
    }
    return {};
}

// Every table of cases names its rows. The constraint makes this the printer gtest
// picks over its own.
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

inline std::string times(int count, const std::string& piece)
{
    std::string whole;
    for (int i = 0; i < count; ++i)
        whole += piece;
    return whole;
}

inline QPlainTextEdit* headingField(const OpenDialog& open)
{
    return qobject_cast<QPlainTextEdit*>(open.control(101));
}

// Keys as typed into the heading field: a line feed is Ctrl+Enter, its line break.
inline void typeHeading(QWidget* field, const QString& keys)
{
    for (QChar c : keys) {
        if (c == u'\n')
            QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        else
            typeCharacters(field, QString(c));
    }
}

inline void placeCursor(QPlainTextEdit* field, int from, int to)
{
    QTextCursor cursor = field->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    field->setTextCursor(cursor);
}

// The lines the field's own layout shows, a list for each typed line.
inline std::vector<QStringList> layoutLines(QPlainTextEdit* field)
{
    QTextDocument* document = field->document();
    auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    std::vector<QStringList> shown;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        QStringList lines;
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QTextLine line = block.layout()->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength());
        }
        shown.push_back(lines);
    }
    return shown;
}

// What the field shows, marked as the record marks it: "\r\r\n" where a line wraps and
// "\r\n" for a typed line break.
inline std::string recordAsShown(QPlainTextEdit* field)
{
    const std::vector<QStringList> blocks = layoutLines(field);
    QString record;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i > 0)
            record += "\r\n";
        record += blocks[i].join("\r\r\n");
    }
    const QByteArray bytes = record.toLatin1();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

inline QString run(int count, char c)
{
    return QString(count, QChar::fromLatin1(c));
}

inline std::string bytes(int count, char c)
{
    return std::string(static_cast<std::size_t>(count), c);
}

} // namespace dialogtest
