#pragma once

#include <QPlainTextEdit>
#include <QString>

#include <functional>

class QMenu;

// A multi-line edit field of a dialog, the quiz heading's, whose words wrap at its edge or
// after a number of characters of its fixed-pitch font. It takes no more than its record holds
// in the form it is handed back in, line marks included, so nothing in it is cut off on OK,
// and no more lines than show whole in it, so it never scrolls. An edit it refuses beeps.
class MultiLineField : public QPlainTextEdit {
public:
    MultiLineField(int capacity, int wrapColumns, std::function<void()> beep, QWidget* parent);

    // The lines as the field shows them, each place where it wrapped a line marked "\r\r\n",
    // each line break typed into it "\r\n" and each line feed that it was given bare (a
    // heading file read as text has only these) a bare "\n" again.
    QString value();
    // A bare line feed of the record is handed back bare; one after a carriage return was a
    // line mark of an earlier OK and comes back as a typed line break. Carriage returns are no
    // characters of the text.
    void setValue(const QString& value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Enter belongs to the dialog's default button; Ctrl+Enter types a line break.
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    // The menu's actions are named undo, redo, cut, copy, paste, delete and selectAll.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct ShownText;

    ShownText shown() const;
    QMenu* editMenu();
    void insertLines(const QString& text);
    bool composing() const;
    void hideComposing();
    void endComposing();
    int linesShownWhole() const;
    bool fits(const ShownText& after, const ShownText& before) const;
    // Runs an edit and takes it back when it does not fit; whether it was kept.
    template <typename Edit>
    bool tried(Edit&& edit);
    // The same, with the beep when it is taken back.
    template <typename Edit>
    void guarded(Edit&& edit);

    int capacity;
    int columns;
    std::function<void()> beep;
    bool editing = false;
};
