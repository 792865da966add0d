#include "export/QtiPackage.h"

#include "export/ExportText.h"

#include <zip.h>

#include <memory>
#include <stdexcept>

namespace quiz_export {
namespace {

using namespace text;

constexpr const char* testPath = "quiz.xml";
constexpr const char* testIdentifier = "quiz";

const QString qtiRoot = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<%1 xmlns=\"http://www.imsglobal.org/xsd/imsqti_v2p1\""
    " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
    " xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imsqti_v2p1"
    " http://www.imsglobal.org/xsd/qti/qtiv2p1/imsqti_v2p1p2.xsd\"");

// Identifiers are NCNames, so they come from the exercise's number, never from its text.
QString itemIdentifier(const Exercise& exercise)
{
    return "exercise-" + QString::number(exercise.number);
}

QString itemPath(const Exercise& exercise)
{
    return "items/" + itemIdentifier(exercise) + ".xml";
}

QString setFeedback(const QString& identifier)
{
    return "        <setOutcomeValue identifier=\"FEEDBACK\">\n"
           "          <baseValue baseType=\"identifier\">" + identifier + "</baseValue>\n"
           "        </setOutcomeValue>\n";
}

QString modalFeedback(const QString& identifier, const QString& markup)
{
    return "  <modalFeedback outcomeIdentifier=\"FEEDBACK\" showHide=\"show\" identifier=\"" + identifier
           + "\">" + markup + "</modalFeedback>\n";
}

// Each mistake as the student types it sets its own feedback; any other wrong answer is told
// the right one.
QString responseProcessing(const std::vector<Mistake>& mistakes)
{
    QString out = "  <responseProcessing>\n"
                  "    <setOutcomeValue identifier=\"SCORE\">\n"
                  "      <mapResponse identifier=\"RESPONSE\"/>\n"
                  "    </setOutcomeValue>\n"
                  "    <responseCondition>\n";
    for (std::size_t i = 0; i < mistakes.size(); ++i) {
        const char* branch = i == 0 ? "responseIf" : "responseElseIf";
        out += QStringLiteral("      <%1>\n").arg(branch);
        out += "        <stringMatch caseSensitive=\"true\">\n"
               "          <variable identifier=\"RESPONSE\"/>\n"
               "          <baseValue baseType=\"string\">" + escaped(fromLatin1Bytes(mistakes[i].typed))
               + "</baseValue>\n"
                 "        </stringMatch>\n";
        out += setFeedback("MISTAKE_" + QString::number(i + 1));
        out += QStringLiteral("      </%1>\n").arg(branch);
    }
    const char* last = mistakes.empty() ? "responseIf" : "responseElseIf";
    out += QStringLiteral("      <%1>\n").arg(last);
    out += "        <equal toleranceMode=\"exact\">\n"
           "          <variable identifier=\"SCORE\"/>\n"
           "          <baseValue baseType=\"float\">0</baseValue>\n"
           "        </equal>\n";
    out += setFeedback("ANSWER");
    out += QStringLiteral("      </%1>\n").arg(last);
    out += "    </responseCondition>\n"
           "  </responseProcessing>\n";
    return out;
}

QByteArray itemXml(const Exercise& exercise, const Marking& marking)
{
    const QString title = QString::number(exercise.number) + ". " + fromLatin1Bytes(exercise.shown);
    QString out = qtiRoot.arg("assessmentItem") + " identifier=\"" + itemIdentifier(exercise) + "\" title=\""
                  + escaped(title) + "\" adaptive=\"false\" timeDependent=\"false\">\n";
    out += "  <responseDeclaration identifier=\"RESPONSE\" cardinality=\"single\" baseType=\"string\">\n"
           "    <correctResponse>\n"
           "      <value>" + escaped(fromLatin1Bytes(exercise.answer)) + "</value>\n"
           "    </correctResponse>\n"
           "    <mapping defaultValue=\"0\">\n";
    const QString caseSensitive = marking.caseSensitive(exercise) ? "true" : "false";
    for (const QString& answer : rightAnswers(exercise))
        out += "      <mapEntry mapKey=\"" + escaped(answer) + "\" mappedValue=\"1\" caseSensitive=\""
               + caseSensitive + "\"/>\n";
    out += "    </mapping>\n"
           "  </responseDeclaration>\n"
           "  <outcomeDeclaration identifier=\"SCORE\" cardinality=\"single\" baseType=\"float\">\n"
           "    <defaultValue>\n"
           "      <value>0</value>\n"
           "    </defaultValue>\n"
           "  </outcomeDeclaration>\n"
           "  <outcomeDeclaration identifier=\"FEEDBACK\" cardinality=\"single\" baseType=\"identifier\"/>\n"
           "  <itemBody>\n"
           "    <p>" + questionMarkup(exercise) + " <textEntryInteraction responseIdentifier=\"RESPONSE\"/></p>\n"
           "  </itemBody>\n";
    const std::vector<Mistake> mistakes = distinctMistakes(exercise, marking);
    out += responseProcessing(mistakes);
    for (std::size_t i = 0; i < mistakes.size(); ++i)
        out += modalFeedback("MISTAKE_" + QString::number(i + 1), escaped(fromLatin1Bytes(mistakes[i].feedback)));
    out += modalFeedback("ANSWER", answerFeedbackMarkup(exercise));
    out += "</assessmentItem>\n";
    return out.toUtf8();
}

QByteArray testXml(const Quiz& quiz)
{
    const QString title = escaped(fromLatin1Bytes(quiz.title));
    QString out = qtiRoot.arg("assessmentTest") + " identifier=\"" + testIdentifier + "\" title=\"" + title + "\">\n";
    out += "  <outcomeDeclaration identifier=\"SCORE\" cardinality=\"single\" baseType=\"float\"/>\n"
           "  <testPart identifier=\"part\" navigationMode=\"nonlinear\" submissionMode=\"individual\">\n"
           "    <assessmentSection identifier=\"exercises\" title=\"" + title + "\" visible=\"true\">\n";
    for (const Exercise& exercise : quiz.exercises)
        out += "      <assessmentItemRef identifier=\"" + itemIdentifier(exercise) + "\" href=\""
               + itemPath(exercise) + "\"/>\n";
    out += "    </assessmentSection>\n"
           "  </testPart>\n"
           "  <outcomeProcessing>\n"
           "    <setOutcomeValue identifier=\"SCORE\">\n"
           "      <sum>\n"
           "        <testVariables variableIdentifier=\"SCORE\"/>\n"
           "      </sum>\n"
           "    </setOutcomeValue>\n"
           "  </outcomeProcessing>\n"
           "</assessmentTest>\n";
    return out.toUtf8();
}

QString resource(const QString& identifier, const char* type, const QString& path, const QString& inside)
{
    return "    <resource identifier=\"" + identifier + "\" type=\"" + type + "\" href=\"" + path + "\">\n"
           "      <file href=\"" + path + "\"/>\n" + inside + "    </resource>\n";
}

QByteArray manifestXml(const Quiz& quiz)
{
    QString dependencies;
    QString items;
    for (const Exercise& exercise : quiz.exercises) {
        dependencies += "      <dependency identifierref=\"" + itemIdentifier(exercise) + "\"/>\n";
        items += resource(itemIdentifier(exercise), "imsqti_item_xmlv2p1", itemPath(exercise), {});
    }
    QString out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  "<manifest xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\" identifier=\"manifest\">\n"
                  "  <metadata>\n"
                  "    <schema>QTIv2.1 Package</schema>\n"
                  "    <schemaversion>1.0.0</schemaversion>\n"
                  "  </metadata>\n"
                  "  <organizations/>\n"
                  "  <resources>\n";
    out += resource(testIdentifier, "imsqti_test_xmlv2p1", testPath, dependencies) + items;
    out += "  </resources>\n"
           "</manifest>\n";
    return out.toUtf8();
}

struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ZipError {
    ZipError() { zip_error_init(&error); }
    ~ZipError() { zip_error_fini(&error); }
    ZipError(const ZipError&) = delete;
    ZipError& operator=(const ZipError&) = delete;
    zip_error_t error;
};

// 2000-01-01 12:00 UTC: noon keeps the date the same in every time zone the zip's local
// time may be written in.
constexpr time_t packageTime = 946728000;

[[noreturn]] void fail(zip_error_t* error)
{
    throw std::runtime_error(std::string("Cannot zip the QTI package: ") + zip_error_strerror(error));
}

// The whole zip from the buffer it was written to.
QByteArray readBack(zip_source_t* buffer)
{
    if (zip_source_open(buffer) < 0 || zip_source_seek(buffer, 0, SEEK_END) < 0)
        fail(zip_source_error(buffer));
    const zip_int64_t size = zip_source_tell(buffer);
    QByteArray bytes(static_cast<qsizetype>(size), '\0');
    const bool read = size >= 0 && zip_source_seek(buffer, 0, SEEK_SET) == 0
                      && zip_source_read(buffer, bytes.data(), static_cast<zip_uint64_t>(size)) == size;
    zip_source_close(buffer);
    if (!read)
        fail(zip_source_error(buffer));
    return bytes;
}

} // namespace

std::vector<QtiFile> qtiFiles(const Quiz& quiz, const Marking& marking)
{
    std::vector<QtiFile> files{{"imsmanifest.xml", manifestXml(quiz)}, {testPath, testXml(quiz)}};
    for (const Exercise& exercise : quiz.exercises)
        files.push_back({itemPath(exercise), itemXml(exercise, marking)});
    return files;
}

QByteArray qtiPackage(const Quiz& quiz, const Marking& marking)
{
    const std::vector<QtiFile> files = qtiFiles(quiz, marking);
    ZipError opening;
    const std::unique_ptr<zip_source_t, SourceFree> buffer(
        zip_source_buffer_create(nullptr, 0, 0, &opening.error));
    if (!buffer)
        fail(&opening.error);
    std::unique_ptr<zip_t, ZipDiscard> archive(
        zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &opening.error));
    if (!archive)
        fail(&opening.error);
    // The archive frees the source it was opened from when it closes; the buffer has to outlive
    // it to be read.
    zip_source_keep(buffer.get());
    for (const QtiFile& file : files) {
        // The bytes stay in files until the archive is closed, so libzip need not copy them.
        zip_source_t* data = zip_source_buffer(archive.get(), file.bytes.constData(),
                                               static_cast<zip_uint64_t>(file.bytes.size()), 0);
        if (!data)
            fail(zip_get_error(archive.get()));
        const zip_int64_t added =
            zip_file_add(archive.get(), file.path.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8);
        if (added < 0) {
            zip_source_free(data);
            fail(zip_get_error(archive.get()));
        }
        // One date for every file, so that the same quiz makes the same package byte for byte.
        if (zip_file_set_mtime(archive.get(), static_cast<zip_uint64_t>(added), packageTime, 0) < 0)
            fail(zip_get_error(archive.get()));
    }
    if (zip_close(archive.get()) < 0)
        fail(zip_get_error(archive.get()));
    archive.release(); // closed, and freed by zip_close
    return readBack(buffer.get());
}

} // namespace quiz_export
