// Checks the encoded sample course of this build: every fact and quiz list reads with the
// program's own readers, is long enough, and names only pages and pictures that exist and
// load. A broken link in the course shows up here instead of as an empty page in class.

#include "FactList.h"
#include "QuizList.h"
#include "RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace training;

namespace {

QString installDir()
{
    return QStringLiteral(HAZ_COURSE_INSTALL_DIR);
}

QString htmlDir() { return installDir() + QStringLiteral("/data/html/"); }
QString imagesDir() { return installDir() + QStringLiteral("/data/images/"); }
QString iniPath(const QString &name) { return installDir() + QStringLiteral("/ini/") + name; }

// Exact, case-sensitive existence: the programs run on case-sensitive file systems too.
bool existsExactly(const QString &folder, const QString &name)
{
    return QDir(folder).entryList(QDir::Files).contains(name);
}

bool isPicture(const QString &name)
{
    return name.endsWith(QLatin1String(".gif")) || name.endsWith(QLatin1String(".jpg"))
        || name.endsWith(QLatin1String(".bmp"));
}

// Pictures a page refers to, resolved against the page's own folder.
QStringList pageImageProblems(const QString &pagePath)
{
    QFile file(pagePath);
    if (!file.open(QIODevice::ReadOnly))
        return {pagePath + QStringLiteral(": cannot open")};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList problems;
    if (!html.contains(QLatin1String("<h1>")))
        problems << pagePath + QStringLiteral(": no title heading");
    static const QRegularExpression src(QStringLiteral("<img[^>]*\\ssrc=\"([^\"]+)\""));
    for (auto it = src.globalMatch(html); it.hasNext();) {
        const QString target = QFileInfo(pagePath).absoluteDir().filePath(it.next().captured(1));
        QImageReader reader(target);
        if (!QFileInfo::exists(target) || !reader.canRead())
            problems << pagePath + QStringLiteral(": picture ") + target;
    }
    return problems;
}

const QStringList factLists{"Identfact.ini", "Physfact.ini", "Protfact.ini", "Hazardfact.ini",
                            "NBCfact.ini", "Takfact.ini", "Reffact.ini"};
const QStringList quizLists{"Ident.ini", "Phys.ini", "Prot.ini", "Hazard.ini", "NBC.ini"};

QList<QuizQuestion> readQuiz(const QString &name, qint32 &count)
{
    QList<QuizQuestion> list;
    count = -1;
    haz::LastError error;
    EXPECT_TRUE(readQuizList(list, count, iniPath(name), error)) << qPrintable(name) << ": " << qPrintable(error.description);
    return list;
}

} // namespace

TEST(SampleCourseContent, FactListsNameExistingPagesWithWorkingPictures)
{
    QSet<QString> pagesSeen;
    for (const QString &name : factLists) {
        SCOPED_TRACE(name.toStdString());
        QList<FactEntry> list;
        qint32 count = 0;
        haz::LastError error;
        ASSERT_TRUE(readFactList(list, count, iniPath(name), error)) << qPrintable(error.description);
        EXPECT_GE(count, 4);
        for (const FactEntry &entry : list) {
            // Titles are written short enough to show whole in the list.
            EXPECT_LT(entry.title.trimmed().size(), FactTitleLength) << qPrintable(entry.title);
            EXPECT_FALSE(entry.title.trimmed().isEmpty());
            // Only a plain lower-case ".htm" name is shown by the fact browsers.
            EXPECT_TRUE(entry.page.endsWith(QLatin1String(".htm")) && !entry.page.contains(u'#'))
                << qPrintable(entry.page);
            if (!existsExactly(htmlDir(), entry.page)) {
                ADD_FAILURE() << "missing page " << qPrintable(entry.page);
                continue;
            }
            EXPECT_FALSE(pagesSeen.contains(entry.page)) << "listed twice: " << qPrintable(entry.page);
            pagesSeen.insert(entry.page);
            const QStringList problems = pageImageProblems(htmlDir() + entry.page);
            EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
        }
    }
}

TEST(SampleCourseContent, QuizListsAreCompleteAndAnswerable)
{
    for (const QString &name : quizLists) {
        SCOPED_TRACE(name.toStdString());
        qint32 count = 0;
        const QList<QuizQuestion> list = readQuiz(name, count);
        EXPECT_GE(count, 8);
        for (qint32 i = 0; i < count; ++i) {
            const QuizQuestion &q = list.at(i);
            SCOPED_TRACE("question " + std::to_string(i) + " " + q.FrgHead.toStdString());
            EXPECT_FALSE(q.FrgHead.isEmpty());
            EXPECT_FALSE(q.FrgText.isEmpty());
            int shown = 0, correct = 0;
            for (int k = 0; k < MaxAlternatives; ++k) {
                const bool used = !q.SvarTxt[k].isEmpty();
                shown += used;
                // A correct flag on an empty place would be invisible to the learner.
                EXPECT_TRUE(used || !q.SvarR[k]) << "alternative " << k + 1;
                correct += used && q.SvarR[k];
            }
            EXPECT_GE(shown, 2);
            EXPECT_GE(correct, 1);
            EXPECT_LT(correct, shown) << "every alternative is correct";
            EXPECT_FALSE(q.SvarKom.isEmpty());
            EXPECT_GT(q.Time, 0);
            EXPECT_TRUE(q.InfoWidth >= 0 && q.InfoWidth <= 2184 && q.InfoHeight >= 0 && q.InfoHeight <= 2184);
            if (!q.FrgBild.isEmpty() && !existsExactly(imagesDir(), q.FrgBild)) {
                ADD_FAILURE() << "missing question picture or page " << qPrintable(q.FrgBild);
            } else if (!q.FrgBild.isEmpty()) {
                if (isPicture(q.FrgBild)) {
                    QImageReader reader(imagesDir() + q.FrgBild);
                    EXPECT_TRUE(reader.canRead()) << qPrintable(q.FrgBild);
                } else {
                    EXPECT_TRUE(q.FrgBild.endsWith(QLatin1String(".htm"))) << qPrintable(q.FrgBild);
                    const QStringList problems = pageImageProblems(imagesDir() + q.FrgBild);
                    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
                }
            }
            if (!q.InfoLink.isEmpty() && !existsExactly(htmlDir(), q.InfoLink)) {
                ADD_FAILURE() << "missing info page " << qPrintable(q.InfoLink);
            } else if (!q.InfoLink.isEmpty()) {
                const QStringList problems = pageImageProblems(htmlDir() + q.InfoLink);
                EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join(u'\n'));
            }
        }
        EXPECT_TRUE(list.at(count).FrgHead.isEmpty()) << "the entry after the last question stays empty";
    }
}

// The sample course shows learners every kind of question the quiz can ask.
TEST(SampleCourseContent, QuizzesUseEveryQuestionFeature)
{
    bool gap = false, many = false, severalCorrect = false, picture = false, page = false;
    bool sizedLink = false, unsizedLink = false, lineBreak = false;
    QSet<QString> pictureKinds;
    for (const QString &name : quizLists) {
        qint32 count = 0;
        const QList<QuizQuestion> list = readQuiz(name, count);
        for (qint32 i = 0; i < count; ++i) {
            const QuizQuestion &q = list.at(i);
            int last = -1, shown = 0, correct = 0;
            for (int k = 0; k < MaxAlternatives; ++k) {
                if (q.SvarTxt[k].isEmpty())
                    continue;
                gap |= last >= 0 && k > last + 1;
                last = k;
                ++shown;
                correct += q.SvarR[k];
            }
            many |= last == MaxAlternatives - 1 && shown >= 10;
            severalCorrect |= correct > 1;
            if (isPicture(q.FrgBild)) {
                picture = true;
                pictureKinds.insert(QFileInfo(q.FrgBild).suffix());
            }
            page |= q.FrgBild.endsWith(QLatin1String(".htm"));
            sizedLink |= !q.InfoLink.isEmpty() && q.InfoWidth > 0 && q.InfoHeight > 0;
            unsizedLink |= !q.InfoLink.isEmpty() && q.InfoWidth == 0 && q.InfoHeight == 0;
            lineBreak |= q.FrgText.contains(QLatin1String("<br>"));
        }
    }
    EXPECT_TRUE(gap);
    EXPECT_TRUE(many);
    EXPECT_TRUE(severalCorrect);
    EXPECT_TRUE(picture);
    EXPECT_EQ(pictureKinds, (QSet<QString>{"gif", "jpg", "bmp"}));
    EXPECT_TRUE(page);
    EXPECT_TRUE(sizedLink);
    EXPECT_TRUE(unsizedLink);
    EXPECT_TRUE(lineBreak);
}

TEST(SampleCourseContent, PicturesLoadAndOneIsAnimated)
{
    const QStringList pictures = QDir(imagesDir()).entryList({"*.gif", "*.jpg", "*.bmp", "*.png"}, QDir::Files);
    ASSERT_FALSE(pictures.isEmpty());
    bool animated = false;
    for (const QString &name : pictures) {
        QImageReader reader(imagesDir() + name);
        EXPECT_FALSE(reader.read().isNull()) << qPrintable(name) << ": " << qPrintable(reader.errorString());
        QImageReader frames(imagesDir() + name);
        animated |= frames.supportsAnimation() && frames.imageCount() > 1;
        // Pictures stay small so that the course installs and loads quickly.
        EXPECT_LT(QFileInfo(imagesDir() + name).size(), 100 * 1024) << qPrintable(name);
    }
    EXPECT_TRUE(animated);
}
