#include "TabSettings.h"

#include "Conversions.h"
#include "Platform.h"
#include "clsDataFile.h"

#include <QFileInfo>

namespace training {

int tabNumberOfKey(const QString &key, int tabCount)
{
    static const QString prefix = QStringLiteral("tabMain");
    if (!key.startsWith(prefix) || key.size() == prefix.size())
        return -1;
    bool ok = false;
    const int number = key.mid(prefix.size()).toInt(&ok);
    if (!ok || number < 0 || number >= tabCount || key != prefix + QString::number(number))
        return -1;
    return number;
}

std::optional<TabSettings> readTabSettings(const QString &iniDir, const QString &imagesDir,
                                           const QStringList &captions, const QList<bool> &visible)
{
    haz::clsDataFile table;
    if (!table.readData(haz::platform::joinPath(iniDir, QStringLiteral("objsTabs.ini"))))
        return std::nullopt;
    TabSettings settings{visible, QStringList()};
    const int count = int(visible.size());
    for (int t = 0; t < count; ++t)
        settings.pictures << QString();

    for (int t = 0; t < count; ++t) {
        // A post may name the tab by its caption text; its second field is the visibility.
        if (t < captions.size() && !captions.at(t).isEmpty()) {
            const haz::FindResult byCaption = table.findPosts(QStringLiteral("ObjId"), captions.at(t));
            if (!byCaption.isOneDimensional() && byCaption.hasMatch())
                settings.visible[t] = haz::conv::toBool(byCaption.at(3, 1));
        }
        const QString objID = haz::conv::trimBlanks(table.getPostPosField(t, QStringLiteral("objID"))).toString();
        const QString visibleText = haz::conv::trimBlanks(table.getPostPosField(t, QStringLiteral("Visible"))).toString();
        const QString picture = haz::conv::trimBlanks(table.getPostPosField(t, QStringLiteral("Picture"))).toString();
        const int number = tabNumberOfKey(objID, count);
        if (number < 0)
            continue;
        const bool isVisible = haz::conv::toBool(visibleText);
        settings.visible[number] = isVisible;
        if (isVisible && !picture.isEmpty()) {
            const QString path = haz::platform::resolveCaseInsensitive(haz::platform::joinPath(imagesDir, picture));
            if (QFileInfo(path).isFile())
                settings.pictures[number] = path;
        }
    }
    return settings;
}

} // namespace training
