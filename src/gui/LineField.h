#pragma once

#include <QLineEdit>
#include <QString>

// A one-line edit field of a dialog, taking at most its record's capacity in Latin-1. One that
// may not scroll sideways takes only what shows whole in it.
class LineField : public QLineEdit {
public:
    // A narrow field gives up a pixel of inner margin on each side to the text.
    LineField(int capacity, bool scrollsSideways, bool narrow, QWidget* parent);

    // Whether the field may hold this text: always, unless it is too wide to show whole.
    bool takes(const QString& text) const;

private:
    int textWidth(const QString& text) const;
    int visibleWidth() const;

    bool scrollsSideways;
    QString lastText;
};
