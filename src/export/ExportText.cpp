#include "export/ExportText.h"

#include "compound/CompoundRules.h"

#include <algorithm>

namespace quiz_export::text {
namespace {

void appendEscaped(QString& out, QChar c)
{
    switch (c.unicode()) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    // &apos; is XML's but not HTML 4's; a numeric reference is both.
    case '\'': out += "&#39;"; break;
    // Below the blank XML 1.0 allows only tab, line feed and carriage return, which as
    // references also keep their place in an attribute's value.
    case '\t':
    case '\n':
    case '\r': out += "&#" + QString::number(c.unicode()) + u';'; break;
    default: out += c < u' ' ? QChar(u'?') : c;
    }
}

bool subscriptDigit(QChar c)
{
    return c.unicode() < 0x80 && isSubscriptDigit(static_cast<char>(c.unicode()));
}

} // namespace

QString escaped(const QString& text)
{
    QString out;
    for (const QChar c : text)
        appendEscaped(out, c);
    return out;
}

QString formulaMarkup(const std::string& formula)
{
    QString out;
    for (const QChar c : fromLatin1Bytes(formula)) {
        if (subscriptDigit(c))
            out += QStringLiteral("<sub>%1</sub>").arg(c);
        else
            appendEscaped(out, c);
    }
    return out;
}

QString subscriptSpelling(const std::string& formula)
{
    QString out = fromLatin1Bytes(formula);
    // Subscript two to nine follow subscript zero (U+2080) in digit order.
    for (QChar& c : out)
        if (subscriptDigit(c))
            c = QChar(char16_t(0x2080 + (c.unicode() - u'0')));
    return out;
}

QString questionMarkup(const Exercise& exercise)
{
    if (exercise.formulaAsked)
        return QString::fromLatin1(formulaInstruction) + u' ' + escaped(fromLatin1Bytes(exercise.shown));
    return QString::fromLatin1(nameInstruction) + u' ' + formulaMarkup(exercise.shown);
}

QString answerFeedbackMarkup(const Exercise& exercise)
{
    const QString answer = exercise.formulaAsked ? formulaMarkup(exercise.answer)
                                                 : escaped(fromLatin1Bytes(exercise.answer));
    return "The answer is " + answer + u'.';
}

std::vector<QString> rightAnswers(const Exercise& exercise)
{
    std::vector<QString> answers{fromLatin1Bytes(exercise.answer)};
    if (exercise.formulaAsked && subscriptSpelling(exercise.answer) != answers.front())
        answers.push_back(subscriptSpelling(exercise.answer));
    return answers;
}

std::vector<Mistake> distinctMistakes(const Exercise& exercise, const Marking& marking)
{
    const Qt::CaseSensitivity cs = marking.caseSensitive(exercise) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    std::vector<QString> taken = rightAnswers(exercise);
    std::vector<Mistake> kept;
    for (const Mistake& mistake : exercise.mistakes) {
        const QString typed = fromLatin1Bytes(mistake.typed);
        const auto same = [&typed, cs](const QString& other) { return typed.compare(other, cs) == 0; };
        if (std::any_of(taken.begin(), taken.end(), same))
            continue;
        taken.push_back(typed);
        kept.push_back(mistake);
    }
    return kept;
}

} // namespace quiz_export::text
