#include "CliRun.h"

#include "catalogue/CatalogueFile.h"
#include "export/MoodleXml.h"
#include "export/QtiPackage.h"
#include "quiz/QuizFile.h"
#include "support/SampleQuizzes.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The starter data folder with a stored quiz of two exercises the starter lists answer and
// one they do not.
struct ExportFolder {
    ExportFolder()
    {
        seedStarterData(folder);
        folder.write("week2.qzz", quiz_file::serialize(quizOfTexts(
                                      {"Week 2"}, {"Sodium chloride", "Lead sulfate"}, {"CaO"})));
    }
    quiz_export::Quiz prepared(bool skipping) const
    {
        const IonCatalogue lists{catalogue_file::read(folder.path("valkora.cat")).ions,
                                 catalogue_file::read(folder.path("valkora.ani")).ions};
        const SentenceList quiz = quiz_file::read(folder.path("week2.qzz")).sentences;
        quiz_export::Prepared answered = quiz_export::prepare("week2", quiz, lists);
        EXPECT_EQ(answered.unanswered.size(), skipping ? 1u : 0u);
        return answered.quiz;
    }
    CliRun run(QStringList args) const
    {
        return runCommand(QStringList{"export", folder.path("week2.qzz"), "--dir", folder.path(".")}
                          + args);
    }
    TempFolder folder;
};

TEST(CliExport, AnExerciseTheListsCannotAnswerStopsTheExportUnlessItIsLeftOut)
{
    const ExportFolder data;
    const CliRun stopped = data.run({"--format", "moodle", "-o", "week2.xml"});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_TRUE(stopped.err.startsWith(
        "week2.qzz: Exercise 2 (Lead sulfate) cannot be answered from the current lists.\n"))
        << stopped.err.toStdString();
    EXPECT_FALSE(data.folder.exists("week2.xml"));

    const CliRun skipped = data.run({"--format", "qti", "-o", "week2.zip", "--skip-unanswered"});
    ASSERT_EQ(skipped.status, 0) << skipped.err.toStdString();
    EXPECT_TRUE(skipped.err.contains("(Lead sulfate) cannot be answered") && skipped.err.contains("Left out."));
    EXPECT_EQ(data.folder.read("week2.zip"), quiz_export::qtiPackage(data.prepared(true), {false}));
}

TEST(CliExport, WritesTheFormatAskedForMarkingNamesAsAsked)
{
    ExportFolder data;
    data.folder.write("week2.qzz", quiz_file::serialize(quizOfTexts({"Week 2"}, {"Sodium chloride"}, {"CaO"})));
    ASSERT_EQ(data.run({"--format", "moodle", "-o", "strict.xml"}).status, 0);
    ASSERT_EQ(data.run({"--format", "moodle", "-o", "loose.xml", "--names-any-case"}).status, 0);
    EXPECT_EQ(data.folder.read("strict.xml"), quiz_export::moodleXml(data.prepared(false), {false}));
    EXPECT_EQ(data.folder.read("loose.xml"), quiz_export::moodleXml(data.prepared(false), {true}));
    EXPECT_NE(data.folder.read("strict.xml"), data.folder.read("loose.xml"));

    for (const QStringList& wrong : {QStringList{"-o", "x.xml"}, {"--format", "moodle,qti", "-o", "x"},
                                     {"--format", "word", "-o", "x"}, {"--format", "qti"}})
        EXPECT_EQ(data.run(wrong).status, 2) << wrong.join(' ').toStdString();
}

TEST(CliMake, WritesEachVersionForThePlatformsAskedFor)
{
    TempFolder folder;
    seedStarterData(folder);
    const CliRun run = runCommand({"make", "--cations", "12", "--anions", "10", "--versions", "2",
                                   "--seed", "7", "--format", "moodle,qti", "--dir",
                                   folder.path("."), "-o", folder.path("week3")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    for (const char* name : {"week3/quiz-A", "week3/quiz-B"}) {
        SCOPED_TRACE(name);
        const IonCatalogue lists{catalogue_file::read(folder.path("valkora.cat")).ions,
                                 catalogue_file::read(folder.path("valkora.ani")).ions};
        const SentenceList quiz = quiz_file::read(folder.path(QString(name) + ".qzz")).sentences;
        const quiz_export::Quiz prepared =
            quiz_export::prepare(QString(name).mid(6).toStdString(), quiz, lists).quiz;
        EXPECT_EQ(folder.read(QString(name) + ".xml"), quiz_export::moodleXml(prepared, {false}));
        EXPECT_EQ(folder.read(QString(name) + ".zip"), quiz_export::qtiPackage(prepared, {false}));
    }
}

} // namespace
