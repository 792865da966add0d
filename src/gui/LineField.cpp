#include "gui/LineField.h"

#include "gui/FieldText.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>

namespace {

// QLineEdit keeps this many pixels between its contents rectangle and the text on either
// side, and needs one more after the text for the cursor; anything wider scrolls sideways.
constexpr int lineEditTextInset = 2;
constexpr int lineEditCursorWidth = 1;

class FieldValidator : public QValidator {
public:
    explicit FieldValidator(LineField* owner) : QValidator(owner), field(owner) {}

    State validate(QString& input, int&) const override
    {
        return storableInField(input) && field->takes(input) ? Acceptable : Invalid;
    }

private:
    const LineField* field;
};

} // namespace

LineField::LineField(int capacity, bool sideways, bool narrow, QWidget* parent)
    : QLineEdit(parent), scrollsSideways(sideways)
{
    setMaxLength(capacity);
    setValidator(new FieldValidator(this));
    // The narrowest fields are only four average characters wide: a pixel less of inner
    // margin on each side makes room for three digits.
    if (narrow)
        setTextMargins(-1, 0, -1, 0);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { lastText = text; });
}

bool LineField::takes(const QString& text) const
{
    if (scrollsSideways)
        return true;
    const int width = textWidth(text);
    // Shortening is always allowed, so that a value from the record that is already too
    // wide can still be edited down.
    return width + lineEditCursorWidth <= visibleWidth() || width <= textWidth(lastText);
}

int LineField::textWidth(const QString& text) const
{
    return qRound(QFontMetricsF(font()).horizontalAdvance(text));
}

int LineField::visibleWidth() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                               .marginsRemoved(textMargins());
    return contents.width() - 2 * lineEditTextInset;
}
