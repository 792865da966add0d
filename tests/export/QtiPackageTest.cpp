#include "export/QtiPackage.h"

#include "MoodleModel.h"
#include "SampleExports.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <zip.h>

#include <map>

namespace {

using namespace quiz_export;

// The files of a zip in the order it holds them, as libzip reads them.
std::vector<QtiFile> unzipped(const QByteArray& zip)
{
    zip_source_t* source = zip_source_buffer_create(zip.constData(), static_cast<zip_uint64_t>(zip.size()), 0, nullptr);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, nullptr);
    if (!archive) {
        zip_source_free(source);
        ADD_FAILURE() << "not a zip";
        return {};
    }
    std::vector<QtiFile> files;
    zip_stat_t stat;
    for (zip_uint64_t i = 0; zip_stat_index(archive, i, 0, &stat) == 0; ++i) {
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        EXPECT_EQ(zip_fread(file, bytes.data(), stat.size), static_cast<zip_int64_t>(stat.size));
        zip_fclose(file);
        files.push_back({QString::fromUtf8(stat.name), bytes});
    }
    zip_discard(archive);
    return files;
}

// Why the items cannot be validated here, or nothing.
QString schemaMissing()
{
    if (!QFile::exists(VALKORA_QTI_SCHEMA_DIR "/imsqti_v2p1p2.xsd"))
        return "no QTI 2.1 schema at \"" VALKORA_QTI_SCHEMA_DIR "\" (cache variable VALKORA_QTI_SCHEMA_DIR)";
    return QStandardPaths::findExecutable("xmllint").isEmpty() ? "no xmllint (libxml2-utils)" : QString();
}

// The item reads back as written, maps the answer by the marking's case, sets each mistake's
// sentence for it alone, no mistake twice and none a right answer, and tells the answer else.
void expectItem(const XmlNode& item, const Exercise& exercise, bool caseSensitive)
{
    const QString answer = fromLatin1Bytes(exercise.answer);
    EXPECT_EQ(item.attribute("title"), QString::number(exercise.number) + ". " + fromLatin1Bytes(exercise.shown));
    EXPECT_EQ(item["itemBody"].text.trimmed(), instructionAndShown(exercise));
    const XmlNode& entry = item["responseDeclaration"]["mapping"]["mapEntry"];
    EXPECT_EQ(QStringList({entry.attribute("mapKey"), entry.attribute("caseSensitive")}),
              QStringList({answer, caseSensitive ? "true" : "false"}));
    std::map<QString, QString> feedback;
    for (const XmlNode* modal : item.all("modalFeedback"))
        feedback[modal->attribute("identifier")] = modal->text;
    EXPECT_EQ(feedback["ANSWER"], "The answer is " + answer + ".");
    QStringList told{answer};
    for (const XmlNode& branch : item["responseProcessing"]["responseCondition"].children) {
        const QString typed = branch["stringMatch"]["baseValue"].text;
        if (branch["stringMatch"].name.isEmpty())
            continue; // the last, for anything else
        const auto mistake = std::find_if(exercise.mistakes.begin(), exercise.mistakes.end(),
                                          [&typed](const Mistake& m) { return fromLatin1Bytes(m.typed) == typed; });
        ASSERT_NE(mistake, exercise.mistakes.end()) << typed.toStdString();
        EXPECT_EQ(feedback[branch["setOutcomeValue"]["baseValue"].text], fromLatin1Bytes(mistake->feedback));
        for (const QString& earlier : told)
            EXPECT_FALSE(moodle::same(typed, earlier, caseSensitive)) << typed.toStdString();
        told << typed;
    }
    for (const Mistake& mistake : exercise.mistakes)
        EXPECT_TRUE(std::any_of(told.begin(), told.end(), [&mistake, caseSensitive](const QString& text) {
            return moodle::same(fromLatin1Bytes(mistake.typed), text, caseSensitive);
        })) << "not told: " << mistake.typed;
}

class QtiPackage : public testing::TestWithParam<QuizCase> {};

// The manifest's test resource and the test list the items in quiz order.
TEST_P(QtiPackage, HoldsTheItemsInQuizOrder)
{
    const Quiz quiz = GetParam().quiz();
    const Marking marking{GetParam().namesAnyCase};
    const std::vector<QtiFile> files = unzipped(qtiPackage(quiz, marking));
    ASSERT_EQ(files, qtiFiles(quiz, marking));
    std::map<QString, XmlNode> read;
    for (const QtiFile& file : files)
        read[file.path] = readXml(file.bytes);
    std::map<QString, QString> hrefs;
    for (const XmlNode* resource : read["imsmanifest.xml"]["resources"].all("resource"))
        hrefs[resource->attribute("identifier")] = resource->attribute("href");
    const XmlNode& test = read["imsmanifest.xml"]["resources"]["resource"];
    EXPECT_EQ(test.attribute("type"), "imsqti_test_xmlv2p1");
    const std::vector<const XmlNode*> dependencies = test.all("dependency");
    const std::vector<const XmlNode*> refs = read[test.attribute("href")]["testPart"]["assessmentSection"].all("assessmentItemRef");
    ASSERT_EQ(dependencies.size(), quiz.exercises.size());
    ASSERT_EQ(refs.size(), quiz.exercises.size());
    for (std::size_t i = 0; i < quiz.exercises.size(); ++i) {
        SCOPED_TRACE(quiz.exercises[i].shown);
        EXPECT_EQ(hrefs[dependencies[i]->attribute("identifierref")], refs[i]->attribute("href"));
        expectItem(read[refs[i]->attribute("href")], quiz.exercises[i], marking.caseSensitive(quiz.exercises[i]));
    }
}

TEST_P(QtiPackage, ValidatesAgainstTheQtiSchema)
{
    if (const QString missing = schemaMissing(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QTemporaryDir folder;
    QStringList arguments{"--noout", "--nonet", "--schema", VALKORA_QTI_SCHEMA_DIR "/imsqti_v2p1p2.xsd"};
    for (const QtiFile& file : qtiFiles(GetParam().quiz(), {GetParam().namesAnyCase})) {
        QDir(folder.path()).mkpath(QFileInfo(file.path).path());
        QFile out(folder.filePath(file.path));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file.bytes) == file.bytes.size());
        if (file.path != "imsmanifest.xml") // content packaging has a schema of its own
            arguments << out.fileName();
    }
    QProcess xmllint;
    xmllint.start("xmllint", arguments);
    ASSERT_TRUE(xmllint.waitForFinished());
    const QByteArray report = xmllint.readAllStandardError();
    EXPECT_EQ(xmllint.exitCode(), 0) << report.toStdString();
    EXPECT_EQ(report.count(" validates"), arguments.size() - 4);
}

INSTANTIATE_TEST_SUITE_P(Quizzes, QtiPackage, testing::ValuesIn(quizCases), caseName);

} // namespace
