#include "PageView.h"
#include "PictureBox.h"
#include "RuntimeError.h"
#include "TestEnvironment.h"

#include <QImage>
#include <QMovie>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// A 1x1 GIF with two frames (black, then white) that loops.
QByteArray animatedGif()
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    gif += QByteArray("\x00\x00\x00\xff\xff\xff", 6);
    gif += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    const QByteArray frame0("\x21\xf9\x04\x00\x0a\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00", 23);
    const QByteArray frame1("\x21\xf9\x04\x00\x0a\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4c\x01\x00", 23);
    return gif + frame0 + frame1 + QByteArray("\x3b", 1);
}

QString writeImage(const haztest::TestEnvironment &env, const QString &name, const char *format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = env.writeInstallFile(name, QByteArray());
    EXPECT_TRUE(image.save(path, format));
    return path;
}

// The image names the page's document refers to, with whether each could be loaded.
QList<std::pair<QString, bool>> pageImages(QTextDocument *doc)
{
    QList<std::pair<QString, bool>> images;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            images.append({name, doc->resource(QTextDocument::ImageResource, QUrl(name)).isValid()});
        }
    }
    return images;
}

} // namespace

TEST(PageView, ShowsLocalPagesWithTheirRelativePicturesAndLinks)
{
    haztest::TestEnvironment env;
    writeImage(env, QStringLiteral("data/html/img/sign.png"), "PNG");
    const QString first = env.writeInstallFile(QStringLiteral("data/html/first.htm"),
        "<html><body><p>First page</p><img src=\"img/sign.png\"><a href=\"second.htm\">next</a></body></html>");
    const QString second = env.writeInstallFile(QStringLiteral("data/html/second.htm"),
        "<html><body><p>Second page</p></body></html>");

    haz::PageView view;
    EXPECT_EQ(view.locationURL(), QString());
    EXPECT_FALSE(view.hasPage());

    ASSERT_TRUE(view.navigate(first));
    EXPECT_EQ(view.locationURL(), first);
    EXPECT_TRUE(view.hasPage());
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("First page")));
    const auto images = pageImages(view.document());
    ASSERT_EQ(images.size(), 1);
    EXPECT_TRUE(images[0].second) << "relative picture not found";

    // Following the page's link resolves against the page's folder.
    view.setSource(QUrl(QStringLiteral("second.htm")));
    EXPECT_TRUE(view.toPlainText().contains(QStringLiteral("Second page")));
    EXPECT_EQ(QUrl::fromLocalFile(view.locationURL()), QUrl::fromLocalFile(second)) << view.locationURL().toStdString();

    EXPECT_FALSE(view.navigate(haz::PageView::blankLocation()));
    EXPECT_EQ(view.locationURL(), QStringLiteral("about:blank"));
    EXPECT_FALSE(view.hasPage());
    EXPECT_TRUE(view.toPlainText().isEmpty());
}

TEST(PageView, MissingPageShowsNothingAndPrintingGoesThroughTheHandler)
{
    haztest::TestEnvironment env;
    const QString page = env.writeInstallFile(QStringLiteral("data/html/p.htm"), "<p>Print me</p>");
    haz::PageView view;
    ASSERT_TRUE(view.navigate(page));
    EXPECT_FALSE(view.navigate(env.installFolder() + QStringLiteral("/data/html/none.htm")));
    EXPECT_TRUE(view.toPlainText().isEmpty());

    // Letter case of the stored name does not matter on this file system either.
    EXPECT_TRUE(view.navigate(env.installFolder() + QStringLiteral("/data/HTML/P.htm")));

    QString printed;
    view.setPrintHandler([&](QTextDocument &doc, QWidget *) {
        printed = doc.toPlainText();
        return true;
    });
    EXPECT_TRUE(view.printWithDialog());
    EXPECT_EQ(printed, QStringLiteral("Print me"));
}

TEST(PictureBox, LoadsStillAndAnimatedPictures)
{
    haztest::TestEnvironment env;
    haz::PictureBox box;
    EXPECT_FALSE(box.hasPicture());

    for (const auto &[name, format] : {std::pair{"a.bmp", "BMP"}, std::pair{"a.jpg", "JPG"}}) {
        box.loadPicture(writeImage(env, QString::fromLatin1(name), format));
        EXPECT_TRUE(box.hasPicture()) << name;
        EXPECT_EQ(box.picture().size(), QSize(40, 20)) << name;
        EXPECT_EQ(box.movie(), nullptr) << name;
    }

    box.loadPicture(env.writeInstallFile(QStringLiteral("anim.gif"), animatedGif()));
    ASSERT_NE(box.movie(), nullptr);
    EXPECT_EQ(box.movie()->state(), QMovie::Running);
    EXPECT_EQ(box.picture().size(), QSize(1, 1));
    const QRgb first = box.picture().pixel(0, 0);
    box.movie()->jumpToNextFrame();
    EXPECT_NE(box.picture().pixel(0, 0), first);

    box.clearPicture();
    EXPECT_FALSE(box.hasPicture());
    EXPECT_EQ(box.movie(), nullptr);
}

TEST(PictureBox, MissingAndUndecodableFilesAreErrorsAndLeaveTheBoxEmpty)
{
    haztest::TestEnvironment env;
    haz::PictureBox box;
    box.loadPicture(writeImage(env, QStringLiteral("ok.bmp"), "BMP"));

    try {
        box.loadPicture(env.installFolder() + QStringLiteral("/none.gif"));
        FAIL() << "no error";
    } catch (const haz::RuntimeError &e) {
        EXPECT_EQ(e.number(), haz::ErrFileNotFound);
    }
    EXPECT_FALSE(box.hasPicture());

    box.loadPicture(writeImage(env, QStringLiteral("ok.bmp"), "BMP"));
    try {
        box.loadPicture(env.writeInstallFile(QStringLiteral("broken.jpg"), "this is no picture"));
        FAIL() << "no error";
    } catch (const haz::RuntimeError &e) {
        EXPECT_EQ(e.number(), haz::ErrInvalidPicture);
    }
    EXPECT_FALSE(box.hasPicture());
}
