#include "clsCaptions.h"

#include "Captions.h"
#include "Conversions.h"
#include "Platform.h"
#include "RuntimeError.h"
#include "clsDataFile.h"

namespace scenario {

const QStringList &windowCaptionIds()
{
    static const QStringList ids{
        QStringLiteral("cmdSvara"),         QStringLiteral("cmdInfolank"),        QStringLiteral("pnlSimTid"),
        QStringLiteral("pnlVader"),         QStringLiteral("cmdExit"),            QStringLiteral("lblScenarioStatus"),
        QStringLiteral("MouseOverImgLeft"), QStringLiteral("MouseOverImgCenter"), QStringLiteral("MouseOverImgRight"),
    };
    return ids;
}

const QStringList &askedCaptionIds()
{
    static const QStringList ids = QStringList{QStringLiteral("frmMain_caption"), QStringLiteral("icon"),
                                               QStringLiteral("iniMyDoc")}
                                   + windowCaptionIds()
                                   + QStringList{QStringLiteral("SimTidTimmar"), QStringLiteral("SimTidMinuter"),
                                                 QStringLiteral("App_CloseQuestion"),
                                                 QStringLiteral("App_CloseQuestionExam"),
                                                 QStringLiteral("SvarForsokIgen"), QStringLiteral("ScenarioCompleted")};
    return ids;
}

clsCaptions::clsCaptions(QString installFolder)
    : m_installFolder(std::move(installFolder)), m_tables(std::make_shared<haz::TableCache>())
{
}

QString clsCaptions::getObjText(const QString &id) const
{
    return getObjTexts({id}).value(id);
}

QHash<QString, QString> clsCaptions::getObjTexts(const QStringList &ids) const
{
    const QString folder =
        m_installFolder.isEmpty() ? haz::platform::installationFolder() : m_installFolder;
    const std::shared_ptr<const haz::clsDataFile> read =
        m_tables->table(haz::platform::joinPath(folder, QStringLiteral("ini/captions.ini")));
    const haz::clsDataFile &table = *read;
    QHash<QString, QString> texts;
    if (!table.readOk())
        return texts;
    try {
        for (const QString &id : ids) {
            // Field 2 is the text, whatever its name.
            if (const auto found = haz::searchCaption(table, id))
                texts.insert(id, haz::conv::expandLineBreaks(found->at(3, 1)));
        }
    } catch (const haz::RuntimeError &) {
        // A table without the identifier field has no texts for us.
    }
    return texts;
}

} // namespace scenario
