#include "MediaTarget.h"

#include "FactFamily.h"

#include <QStringList>

namespace training {

namespace {

bool isPicture(const QString &ext)
{
    return ext == QLatin1String("bmp") || ext == QLatin1String("jpg") || ext == QLatin1String("gif");
}

bool isPage(const QString &ext)
{
    return ext == QLatin1String("html") || ext == QLatin1String("htm");
}

// The question picture boxes; each has a question browser of the same prefix.
const QStringList &questionPictureNames()
{
    static const QStringList names{
        QStringLiteral("hazQuizPic"), QStringLiteral("ideQuizPic"), QStringLiteral("protQuizPic"),
        QStringLiteral("physQuizPic"), QStringLiteral("NBCQuizPic"), QStringLiteral("excerQuizPic"),
        QStringLiteral("examQuizPic"),
    };
    return names;
}

} // namespace

QString mediaExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot < 0 ? path : path.mid(dot + 1);
}

MediaChoice chooseMediaTarget(const QString &controlName, const QString &path)
{
    MediaChoice choice;
    const QString ext = mediaExtension(path);
    if (questionPictureNames().contains(controlName)) {
        if (isPicture(ext)) {
            choice.kind = MediaKind::Picture;
            choice.target = controlName;
        } else if (isPage(ext)) {
            choice.kind = MediaKind::Page;
            choice.target = controlName.chopped(3) + QStringLiteral("Web"); // hazQuizPic -> hazQuizWeb
        }
    } else if (const FactMember *member = factMemberByBrowser(controlName)) {
        choice.printButton = member->printButton();
        if (isPage(ext)) {
            choice.kind = MediaKind::Page;
            choice.target = controlName;
        }
    } else if (controlName == InfoBrowserName()) {
        choice.hideInfoBrowser = true;
        if (isPage(ext)) {
            choice.kind = MediaKind::Page;
            choice.target = controlName;
        }
    }
    return choice;
}

MediaClearing mediaClearingFor(const QString &objectName)
{
    if (objectName.contains(QLatin1String("QuizWeb")) || objectName.contains(QLatin1String("FactWeb")))
        return MediaClearing::BlankAndHide;
    if (objectName.contains(QLatin1String("QuizPic")))
        return MediaClearing::Hide;
    return MediaClearing::Keep;
}

} // namespace training
