#pragma once

#include "gui/TemplateDialog.h"
#include "platform/TransferRecord.h"
#include "resources/DialogTemplates.h"

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

// What the tests of the template dialog and its fields share: the records the program runs each
// dialog with, a dialog opened on an owner, and ways to type, paste and read back a field.
namespace dialogtest {

inline TransferRecord::FieldShape text(int width)
{
    return TransferRecord::textField(width);
}
inline constexpr TransferRecord::FieldShape choice = TransferRecord::choiceField();

// The records the program runs each dialog with.
inline TransferRecord recordFor(const std::string& name)
{
    if (name == "FIRSTDIALOG")
        return {choice, choice};
    if (name == "ADDCAT" || name == "ADDAN" || name == "CHANGECAT" || name == "CHANGEAN")
        return {text(20), text(15), text(6)};
    if (name == "NUMBERDLG")
        return {text(6), choice, choice};
    if (name == "HIGHEST" || name == "NAMEDLG")
        return {text(20), text(20)};
    if (name == "EDITHEADING")
        return {text(121)};
    throw std::invalid_argument("no record for " + name);
}

// A shown dialog on a shown owner, with the record the program gives it.
struct OpenDialog {
    explicit OpenDialog(const std::string& name) : OpenDialog(name, recordFor(name)) {}
    OpenDialog(const std::string& name, TransferRecord initial) : record(std::move(initial))
    {
        owner.setGeometry(100, 50, 500, 400);
        owner.show();
        dialog = std::make_unique<TemplateDialog>(dialogTemplate(name), record, &owner);
        dialog->show();
    }

    QWidget* control(int id) const { return dialog->control(id); }
    void click(int id) const { QTest::mouseClick(control(id), Qt::LeftButton); }

    TransferRecord record;
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
