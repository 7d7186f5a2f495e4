#include "Verandel.h"
#include "VerandelPropertyStore.h"

#include "RuntimeError.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>

#include "Errors.h"

#include <gtest/gtest.h>

namespace {

using haztest::errorOf;

TEST(VerandelStore, MissingNamesTakeTheDefaults)
{
    Verandel panel;
    panel.setMax(50);
    panel.setBorderStyle(0);
    panel.setMatchBackColor(false);
    panel.setWhiteSpace(90);
    panel.setEnabled(false);
    panel.setBackColor(Qt::yellow);

    panel.readProperties(VerandelVariantMapStore());
    EXPECT_EQ(panel.BackColor(), Verandel::defaultBackColor());
    EXPECT_EQ(panel.Min(), 0);
    EXPECT_EQ(panel.Max(), 3000);
    EXPECT_EQ(panel.Value(), 0);
    EXPECT_EQ(panel.BorderStyle(), Verandel::bdrSingle);
    EXPECT_TRUE(panel.MatchBackColor());
    EXPECT_EQ(panel.WhiteSpace(), 0);
    EXPECT_TRUE(panel.Enabled());
}

TEST(VerandelStore, SavedBorderStyleZeroLoadsWithoutBorder)
{
    Verandel panel;
    panel.resize(200, 100);
    panel.readProperties(VerandelVariantMapStore({{"BorderStyle", 0}}));
    EXPECT_EQ(panel.BorderStyle(), Verandel::bdrnone);
    EXPECT_EQ(panel.property("BorderStyle").toInt(), 0);
    EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);
    EXPECT_EQ(panel.scrollBar()->height(), 100);

    panel.readProperties(VerandelVariantMapStore({{"BorderStyle", 2}}));
    EXPECT_EQ(panel.BorderStyle(), Verandel::bdrSingle);
    EXPECT_EQ(panel.scrollBar()->height(), 98);
}

TEST(VerandelStore, LoadingAppliesValuesAndMovesTheControls)
{
    Verandel panel;
    auto *label = new QLabel(&panel);
    label->move(8, 40);
    QSignalSpy changed(&panel, &Verandel::propertyChanged);

    panel.readProperties(VerandelVariantMapStore({{"Min", 100},
                                                  {"Max", 4000},
                                                  {"Value", 3100},
                                                  {"MatchBackColor", false},
                                                  {"WhiteSpace", 45},
                                                  {"Enabled", false},
                                                  {"BackColor", QColor(1, 2, 3)}}));
    EXPECT_EQ(panel.Min(), 100);
    EXPECT_EQ(panel.Max(), 4000);
    EXPECT_EQ(panel.Value(), 3100);
    EXPECT_EQ(label->y(), 40 - 3100 / 15 - 1); // 206.67 pixels, rounded
    EXPECT_FALSE(panel.MatchBackColor());
    EXPECT_EQ(panel.WhiteSpace(), 45);
    EXPECT_FALSE(panel.Enabled());
    EXPECT_EQ(panel.BackColor(), QColor(1, 2, 3));
    EXPECT_EQ(changed.count(), 7); // every loaded name but the unchanged BorderStyle
}

TEST(VerandelStore, SettingsFileRoundTrip)
{
    haztest::TestEnvironment env;
    const QString path = QDir(env.homeFolder()).filePath(QStringLiteral("form.ini"));
    {
        Verandel panel;
        panel.setMin(-200);
        panel.setMax(2500);
        panel.setValue(-150);
        panel.setMatchBackColor(false);
        panel.setBackColor(QColor(0x12, 0x34, 0x56));
        QSettings settings(path, QSettings::IniFormat);
        VerandelSettingsStore store(settings, QStringLiteral("ScrollingPane"));
        panel.writeProperties(store);
    }
    const QByteArray text = haztest::readFile(path);
    EXPECT_TRUE(text.contains("BackColor=#123456")) << text.constData();

    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("ScrollingPane"));
    EXPECT_EQ(settings.childKeys().size(), 8); // every name, defaults included
    settings.endGroup();
    VerandelSettingsStore store(settings, QStringLiteral("ScrollingPane"));
    Verandel loaded;
    loaded.readProperties(store); // values come back as texts
    EXPECT_EQ(loaded.Min(), -200);
    EXPECT_EQ(loaded.Max(), 2500);
    EXPECT_EQ(loaded.Value(), -150);
    EXPECT_FALSE(loaded.MatchBackColor());
    EXPECT_EQ(loaded.BackColor(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(loaded.BorderStyle(), Verandel::bdrSingle);
    EXPECT_TRUE(loaded.Enabled());
}

TEST(VerandelStore, StoredTextsAndNumbersAreConverted)
{
    Verandel panel;
    panel.readProperties(VerandelVariantMapStore({{"Max", " 0600 "},
                                                  {"Value", "450"},
                                                  {"Enabled", "FALSE"},
                                                  {"MatchBackColor", 0},
                                                  {"BackColor", 0x0000FF}}));
    EXPECT_EQ(panel.Max(), 600);
    EXPECT_EQ(panel.Value(), 450);
    EXPECT_FALSE(panel.Enabled());
    EXPECT_FALSE(panel.MatchBackColor());
    EXPECT_EQ(panel.BackColor(), QColor(255, 0, 0)); // 0x00BBGGRR

    EXPECT_EQ(errorOf([&] { panel.readProperties(VerandelVariantMapStore({{"Min", "abc"}})); }),
              haz::ErrTypeMismatch);
    EXPECT_EQ(errorOf([&] { panel.readProperties(VerandelVariantMapStore({{"Max", 40000}})); }),
              haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] {
                  panel.readProperties(VerandelVariantMapStore({{"Max", 100}, {"Value", 200}}));
              }),
              haz::ErrInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] {
                  panel.readProperties(VerandelVariantMapStore({{"BackColor", "no colour"}}));
              }),
              haz::ErrTypeMismatch);
}

} // namespace
