#include "ProgressOverviewView.h"

#include "TwipGeometry.h"

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace training {

namespace {

void setBar(QWidget *root, const QString &name, const std::optional<qint32> &value)
{
    auto *bar = root->findChild<QProgressBar *>(name);
    if (!bar || !value)
        return;
    bar->setRange(0, 100);
    bar->setValue(*value);
}

qint32 barValue(const QWidget *root, const QString &name)
{
    const auto *bar = root->findChild<const QProgressBar *>(name);
    return bar ? bar->value() : 0;
}

} // namespace

void hideControlsNamed(QWidget *root, const QString &text)
{
    const QList<QWidget *> controls = root->findChildren<QWidget *>();
    QStringList names;
    for (const QWidget *control : controls)
        names << control->objectName();
    const QStringList hit = namesContaining(names, text);
    for (QWidget *control : controls) {
        if (hit.contains(control->objectName()))
            control->hide();
    }
}

void layoutProgressTab(QWidget *root, const QString &iniDir)
{
    const std::optional<QList<TabTableRow>> rows = readTabTableRows(iniDir);
    if (!rows)
        return;
    QMap<QString, haz::TwipRect> current;
    for (const QString &name : progressLayoutControls()) {
        if (const QWidget *control = root->findChild<QWidget *>(name))
            current.insert(name, haz::twips::geometry(control));
    }
    const ProgressTabLayout layout = layoutProgressTab(*rows, current);
    for (auto it = layout.geometry.cbegin(); it != layout.geometry.cend(); ++it) {
        if (QWidget *control = root->findChild<QWidget *>(it.key()))
            haz::twips::setGeometry(control, it.value());
    }
    for (const QString &text : layout.hideNamesContaining)
        hideControlsNamed(root, text);
}

void showScenarioBars(QWidget *root, const ScenarioBars &bars)
{
    if (bars.latest) {
        setBar(root, QStringLiteral("prgScenarioLatest"), bars.latest->value);
        if (auto *name = root->findChild<QLabel *>(QStringLiteral("curLblTakScenarioName"))) {
            name->setTextFormat(Qt::PlainText); // a name from the data, never markup
            name->setText(bars.latest->name);
            name->setToolTip(bars.latest->name); // the whole name where it does not fit
        }
    }
    setBar(root, QStringLiteral("prgScenarioAvg"), bars.exercise);
    setBar(root, QStringLiteral("prgScenarioExam"), bars.exam);
}

void collectDiplomaCounts(const QWidget *root, DiplomaData &data)
{
    for (const auto &[key, labelName] : diplomaLabelKeys()) {
        if (const auto *label = root->findChild<const QLabel *>(labelName))
            data.labelTexts.insert(labelName, label->text());
    }
    data.latestBar = barValue(root, QStringLiteral("prgScenarioLatest"));
    data.exerciseBar = barValue(root, QStringLiteral("prgScenarioAvg"));
    data.examBar = barValue(root, QStringLiteral("prgScenarioExam"));
}

} // namespace training
