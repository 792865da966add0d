#include "export/MoodleXml.h"

#include "export/ExportText.h"

namespace quiz_export {
namespace {

using namespace text;

QString plainText(const QString& text)
{
    return "<text>" + escaped(text) + "</text>";
}

// Moodle takes the character data of <text> as the HTML, so markup goes in as CDATA, as
// Moodle's own export writes it. The markup escapes every '>', so no "]]>" ends it early.
QString htmlText(const QString& html)
{
    return "<text><![CDATA[" + html + "]]></text>";
}

// Moodle reads '*' in an answer as any text, and "\*" as the star itself.
QString literal(const QString& answer)
{
    return QString(answer).replace(u'*', "\\*");
}

void appendAnswer(QString& out, int fraction, const QString& pattern, const QString& feedback = {})
{
    out += "    <answer fraction=\"" + QString::number(fraction) + "\">\n";
    out += "      " + plainText(pattern) + u'\n';
    if (!feedback.isEmpty())
        out += "      <feedback format=\"html\">" + htmlText(feedback) + "</feedback>\n";
    out += "    </answer>\n";
}

void appendQuestion(QString& out, const Exercise& exercise, const Marking& marking)
{
    out += "  <question type=\"shortanswer\">\n";
    out += "    <name>" + plainText(QString::number(exercise.number) + ". " + fromLatin1Bytes(exercise.shown))
           + "</name>\n";
    out += "    <questiontext format=\"html\">" + htmlText("<p>" + questionMarkup(exercise) + "</p>")
           + "</questiontext>\n";
    out += "    <usecase>" + QString::number(marking.caseSensitive(exercise) ? 1 : 0) + "</usecase>\n";
    for (const QString& answer : rightAnswers(exercise))
        appendAnswer(out, 100, literal(answer));
    // Moodle marks with the first answer that matches: the mistakes before the catch-all.
    for (const Mistake& mistake : distinctMistakes(exercise, marking))
        appendAnswer(out, 0, literal(fromLatin1Bytes(mistake.typed)), escaped(fromLatin1Bytes(mistake.feedback)));
    appendAnswer(out, 0, QStringLiteral("*"), answerFeedbackMarkup(exercise));
    out += "  </question>\n";
}

} // namespace

QByteArray moodleXml(const Quiz& quiz, const Marking& marking)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n");
    out += "  <question type=\"category\">\n";
    out += "    <category>" + plainText("$course$/" + fromLatin1Bytes(quiz.title)) + "</category>\n";
    if (!quiz.heading.empty())
        out += "    <info format=\"html\">" + htmlText(escaped(fromLatin1Bytes(quiz.heading.front())))
               + "</info>\n";
    out += "  </question>\n";
    for (const Exercise& exercise : quiz.exercises)
        appendQuestion(out, exercise, marking);
    out += "</quiz>\n";
    return out.toUtf8();
}

} // namespace quiz_export
