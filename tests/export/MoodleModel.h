#pragma once

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

// An element of an XML file: its attributes, the text inside it in order, its children.
struct XmlNode {
    QString name, text;
    QXmlStreamAttributes attributes;
    std::vector<XmlNode> children;

    QString attribute(const char* key) const { return attributes.value(QLatin1StringView(key)).toString(); }
    std::vector<const XmlNode*> all(const char* tag) const
    {
        std::vector<const XmlNode*> found;
        for (const XmlNode& child : children)
            if (child.name == QLatin1StringView(tag))
                found.push_back(&child);
        return found;
    }
    // The first child of that name, or an empty element.
    const XmlNode& operator[](const char* tag) const
    {
        static const XmlNode none;
        return all(tag).empty() ? none : *all(tag).front();
    }
};

inline void readInto(QXmlStreamReader& xml, XmlNode& node)
{
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::EndElement) {
        if (xml.isCharacters())
            node.text += xml.text();
        if (xml.isStartElement()) {
            XmlNode& child = node.children.emplace_back(XmlNode{xml.name().toString(), {}, xml.attributes(), {}});
            readInto(xml, child);
            node.text += child.text;
        }
    }
}

// The root of a file that must be well-formed. The writers' HTML is XHTML and is read so too.
inline XmlNode readXml(const QByteArray& bytes)
{
    QXmlStreamReader xml(bytes);
    XmlNode document;
    readInto(xml, document);
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return document.children.empty() ? XmlNode{} : document.children.front();
}

inline QString htmlText(const QString& html)
{
    return readXml("<p>" + html.toUtf8() + "</p>").text;
}

// What Moodle LMS (moodle/moodle) reads of a "Moodle XML format" file and how it marks a short
// answer. question/format/xml/format.php (readquestions, import_category, import_shortanswer,
// import_answer, getpath): the file is XML with the root <quiz>; a <text> holds character data
// only (xmlize makes an element with children an array, never text), trimmed; fraction="100"
// is 1; <usecase> is PHP's truth of its text. question/type/shortanswer/question.php
// (compare_string_with_wildcard, safe_normalize): both sides in NFC, the response trimmed, a
// run of '*' without a '\' before it matches any text and "\*" a star, the whole response must
// match, in any case without usecase; its grading strategy takes the first answer that matches.
namespace moodle {

struct Answer {
    QString text, feedback;
    double fraction = 0;
};

struct Question {
    QString type, name, text, category, info;
    bool usecase = false;
    std::vector<Answer> answers;
};

inline QString textOf(const XmlNode& node)
{
    EXPECT_TRUE(node["text"].children.empty()) << "markup as elements in " << node.name.toStdString();
    return node["text"].text.trimmed();
}

inline std::vector<Question> import(const QByteArray& file)
{
    const XmlNode quiz = readXml(file);
    EXPECT_EQ(quiz.name, "quiz");
    std::vector<Question> questions;
    for (const XmlNode* q : quiz.all("question")) {
        const QString usecase = (*q)["usecase"].text;
        Question& question = questions.emplace_back(Question{q->attribute("type"), textOf((*q)["name"]),
            textOf((*q)["questiontext"]), textOf((*q)["category"]), textOf((*q)["info"]), !usecase.isEmpty() && usecase != "0", {}});
        for (const XmlNode* a : q->all("answer"))
            question.answers.push_back({textOf(*a), textOf((*a)["feedback"]), a->attribute("fraction").toDouble() / 100});
    }
    return questions;
}

inline bool matches(const QString& response, const QString& answer, bool usecase)
{
    static const QRegularExpression stars(QStringLiteral(R"((?<!\\)\*+)"));
    QStringList bits = answer.normalized(QString::NormalizationForm_C).split(stars);
    for (QString& bit : bits)
        bit = QRegularExpression::escape(bit.replace(QStringLiteral("\\*"), QStringLiteral("*")));
    const QRegularExpression whole("^" + bits.join(".*") + "$", usecase ? QRegularExpression::NoPatternOption
                                                                        : QRegularExpression::CaseInsensitiveOption);
    return whole.match(response.normalized(QString::NormalizationForm_C).trimmed()).hasMatch();
}

// Whether Moodle cannot tell the response from the text, taken without wildcards.
inline bool same(const QString& response, QString text, bool usecase)
{
    return matches(response, text.replace(u'*', QStringLiteral("\\*")), usecase);
}

inline const Answer* mark(const Question& question, const QString& response)
{
    for (const Answer& answer : question.answers)
        if (matches(response, answer.text, question.usecase))
            return &answer;
    return nullptr;
}

} // namespace moodle
