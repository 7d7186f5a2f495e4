#pragma once
// A small scenario in a temporary installation: the course's caption table, a
// progress file with two learners, and scenario 5 with three rooms:
//   room 1 ("jn", start): 1 wrong with a dialog text, 2 right (to room 2), 3 falls to "*"
//   room 2 ("fv"): 3,1 leads to room 3, 2,10 back to room 1, "*" stays without a text
//   room 3 ("jn"): 1 finishes (its dialog text is never shown)
// Room 1 has three scene pictures, room 2 a scene page, room 3 a missing picture.

#include "GenericSubs.h"
#include "Platform.h"
#include "ProgressLayout.h"
#include "TestEnvironment.h"
#include "clsDataFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

namespace scenariotest {

inline QString courseText(const QString &relative)
{
    QFile file(QDir(QStringLiteral(HAZ_COURSE_SOURCE_DIR)).filePath(relative));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(u'\n', QLatin1String("\r\n"));
}

// A table file's text: header, then one post per row.
inline QString tableText(const QString &name, const QStringList &fields, const QList<QStringList> &rows)
{
    QString text = u'[' + name + QStringLiteral("]\r\n");
    for (const QString &field : fields)
        text += QStringLiteral("FieldName=") + field + QStringLiteral("\r\n");
    text += QStringLiteral("\r\n");
    for (qsizetype i = 0; i < rows.size(); ++i) {
        text += QStringLiteral("\r\n[%1]\r\n").arg(i);
        for (const QString &value : rows[i])
            text += value + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text;
}

inline const QStringList ScenarioFields{"sc_id", "Namn", "Besk", "StartTid", "PoangMin", "PoangMax", "Logo", "Temp", "Vind"};
inline const QStringList FragaFields{"RumID", "sc_id", "Fraga", "FragaLedtext", "Bild", "Typ", "eventAddtime",
                                     "StartFraga", "Extra", "Poang", "Status", "Infolank", "Fraga_Lines",
                                     "FragaLedtext_Lines"};
inline const QStringList SvarsAltFields{"SvarsAltID", "RumID", "sc_id", "Namn", "Order"};
inline const QStringList FacitFields{"RumID", "sc_id", "Svar", "Action", "DialogText"};
inline const QStringList BildFields{"RumID", "sc_id", "Namn", "Order"};

// A learner's post: the name and "-1" everywhere, with some fields set by name.
inline QStringList learnerPost(const QString &name, const QList<QPair<QString, QString>> &set = {})
{
    QStringList post{name};
    for (int i = 1; i < haz::progress::FieldCount; ++i)
        post << QStringLiteral("-1");
    for (const auto &[field, value] : set)
        post[haz::progress::position(field) - 1] = value;
    return post;
}

class ScenarioFixture : public ::testing::Test {
protected:
    ScenarioFixture()
    {
        writeInstall(QStringLiteral("Lang.ini"), haztest::ansi(QStringLiteral("en\r\nEnglish\r\n")));
        writeTable(QStringLiteral("captions.ini"), courseText(QStringLiteral("ini/captions.ini")));
        writeTable(QStringLiteral("scenario.ini"), tableText(QStringLiteral("Scenario"), ScenarioFields, {
            {"4", "Other", "", "60", "0", "5", "", "", ""},
            {"5", "Test spill", "A spill", "480", "0", "9", "logo.bmp", "temp.bmp", ""},
        }));
        writeTable(QStringLiteral("fraga.ini"), tableText(QStringLiteral("Fraga"), FragaFields, {
            {"1", "5", "Where do you stop?", "Think of the wind", "", "jn", "5", "True", "", "1",
             "Spill reported\\nat the depot", "info1.htm", "1", "1"},
            {"2", "5", "What do you do first?\\nChoose two", "", "question.bmp", "fv", "10", "False", "", "2",
             "You are upwind", "", "2", "0"},
            {"3", "5", "Report?", "", "", "jn", "7", "False", "", "3", "Done", "", "1", "1"},
            {"1", "4", "Other scenario", "", "", "jn", "1", "True", "", "1", "", "", "1", "1"},
        }));
        writeTable(QStringLiteral("svarsalt.ini"), tableText(QStringLiteral("SvarsAlt"), SvarsAltFields, {
            {"1", "1", "5", "Drive close", "1"}, {"2", "1", "5", "Stop upwind", "2"},
            {"3", "1", "5", "Wait\\nfor orders", "3"},
            {"1", "2", "5", "Cordon off", "2"}, {"2", "2", "5", "Enter the cloud", "3"},
            {"3", "2", "5", "Identify the substance", "1"}, {"10", "2", "5", "Wash the road", "4"},
            {"1", "3", "5", "Report to command", "1"},
        }));
        writeTable(QStringLiteral("facit.ini"), tableText(QStringLiteral("Facit"), FacitFields, {
            {"1", "5", "1", "R1", "Too close!"}, {"1", "5", "2", "R2", ""}, {"1", "5", "*", "R1", ""},
            {"2", "5", "3,1", "R3", ""}, {"2", "5", "2,10", "R1", ""}, {"2", "5", "*", "R2", ""},
            {"3", "5", "1", "finish", "Never shown"},
        }));
        writeTable(QStringLiteral("bilder.ini"), tableText(QStringLiteral("Bilder"), BildFields, {
            {"1", "5", "scene1.bmp", "1"}, {"1", "5", "scene2.bmp", "2"}, {"1", "5", "scene3.jpg", "3"},
            {"2", "5", "scene4.htm", "1"}, {"3", "5", "missing.jpg", "1"},
        }));
        picture(QStringLiteral("data/images/scene1.bmp"), Qt::darkGreen);
        picture(QStringLiteral("data/images/scene2.bmp"), Qt::darkBlue);
        picture(QStringLiteral("data/images/scene3.jpg"), Qt::darkRed);
        picture(QStringLiteral("data/images/question.bmp"), Qt::gray);
        picture(QStringLiteral("data/images/logo.bmp"), Qt::yellow);
        picture(QStringLiteral("data/images/temp.bmp"), Qt::cyan);
        writeInstall(QStringLiteral("data/images/scene4.htm"), "<html><body><p>Depot seen from the gate</p></body></html>");
        writeInstall(QStringLiteral("data/html/info1.htm"), "<html><body><p>Isolation distances</p></body></html>");
        writeProgress({learnerPost(QStringLiteral("Bert"), {{"CurrentScenario", "4"}, {"CurrentRum", "1"}}),
                       learnerPost(QStringLiteral("Anna"), {{"CurrentScenario", "5"}, {"excerScenario", "5"},
                                                            {"examScenario", "5"}})});
    }

    void writeInstall(const QString &relative, const QByteArray &bytes) { env.writeInstallFile(relative, bytes); }
    void writeTable(const QString &name, const QString &text)
    {
        writeInstall(QStringLiteral("ini/") + name, haztest::utf16(text));
    }
    void picture(const QString &relative, Qt::GlobalColor color)
    {
        QImage image(32, 24, QImage::Format_RGB32);
        image.fill(color);
        const QString path = QDir(env.installFolder()).filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(image.save(path));
    }

    QString progressPath() const { return QDir(env.documentsFolder()).filePath(QStringLiteral("enHazCourseUsers.ini")); }
    void writeProgress(const QList<QStringList> &posts)
    {
        haztest::writeFile(progressPath(), haztest::ansi(tableText(QStringLiteral("UserData"),
                                                                   haz::progress::fieldNames(), posts)));
    }
    // A field of a learner's post as it stands in the file now.
    QString field(const QString &user, const QString &name) const
    {
        haz::clsDataFile file;
        file.setNonUniCodeMode(true);
        EXPECT_TRUE(file.readData(progressPath()));
        const haz::FindResult found = file.findPosts(QStringLiteral("UserName"), user);
        return found.matchCount() ? found.at(haz::progress::position(name) + 1, 1) : QStringLiteral("<no post>");
    }
    QStringList runFields(const QString &user, int mode) const
    {
        const haz::progress::ScenarioFields f = haz::progress::scenarioFields(mode);
        return {field(user, f.scenario), field(user, f.room), field(user, f.time), field(user, f.score)};
    }
    // Bert's post, byte for byte: everything from his header to Anna's.
    QByteArray bertsBytes() const
    {
        const QByteArray bytes = haztest::readFile(progressPath());
        const qsizetype from = bytes.indexOf("[0]");
        return bytes.mid(from, bytes.indexOf("[1]") - from);
    }

    haztest::TestEnvironment env;
};

} // namespace scenariotest
