// The public header comes first: it must compile on its own.
#include "Verandel.h"

#include "RuntimeError.h"
#include "Twips.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "Errors.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using haztest::errorOf;

int topTwips(const QWidget *w)
{
    return w->y() * haz::TwipsPerPixel;
}

// A host window with a 4800 x 2000 twip panel on it.
class VerandelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(600, 400);
        panel = new Verandel(host.get());
        panel->setTwipsGeometry(0, 0, 4800, 2000);
    }

    // A control on the panel at `top` twips, `height` twips high.
    QLabel *addControl(int top, int height = 300)
    {
        auto *label = new QLabel(QStringLiteral("row"), panel);
        label->setGeometry(Verandel::toPixels(120), Verandel::toPixels(top), 100,
                           Verandel::toPixels(height));
        return label;
    }

    std::unique_ptr<QWidget> host;
    Verandel *panel = nullptr;
};

TEST_F(VerandelTest, ValueMovesEveryControlByTheStepAndBack)
{
    QLabel *a = addControl(0);
    QLabel *b = addControl(600);
    QLabel *c = addControl(1200);
    QSignalSpy scrolling(panel, &Verandel::Scrolling);

    panel->setValue(300);
    EXPECT_EQ(panel->Value(), 300);
    EXPECT_EQ(topTwips(a), -300);
    EXPECT_EQ(topTwips(b), 300);
    EXPECT_EQ(topTwips(c), 900);
    EXPECT_EQ(scrolling.count(), 1);

    panel->setValue(0);
    EXPECT_EQ(topTwips(a), 0);
    EXPECT_EQ(topTwips(b), 600);
    EXPECT_EQ(topTwips(c), 1200);
    EXPECT_EQ(scrolling.count(), 2);
    // The scroll bar itself never moves with the controls.
    EXPECT_EQ(panel->scrollBar()->y(), panel->contentsRect().top());
}

TEST_F(VerandelTest, StepsOfPartPixelsDoNotDrift)
{
    QLabel *a = addControl(900);
    for (int v = 7; v <= 700; v += 7)
        panel->setValue(v);
    EXPECT_EQ(a->y(), 60 - Verandel::toPixels(700));
    panel->Reset();
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_EQ(topTwips(a), 900);
}

TEST_F(VerandelTest, ResetAfterScrollingReturnsControlsToTheirPlaces)
{
    QLabel *a = addControl(150);
    QLabel *b = addControl(1650);
    panel->setValue(500);
    ASSERT_NE(topTwips(a), 150);

    panel->Reset();
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_EQ(topTwips(a), 150);
    EXPECT_EQ(topTwips(b), 1650);
}

TEST_F(VerandelTest, ControlAddedAfterAScrollMovesWithTheNextStep)
{
    panel->setValue(300);
    QLabel *late = addControl(900); // laid out in scrolled coordinates
    panel->setValue(600);
    EXPECT_EQ(topTwips(late), 600);

    // A control that has gone is simply no longer moved.
    delete late;
    QLabel *other = addControl(0);
    EXPECT_NO_THROW(panel->Reset());
    EXPECT_EQ(topTwips(other), 600);
}

TEST_F(VerandelTest, ScrollBringsARegionIntoView)
{
    panel->setMax(3000);
    panel->setValue(500);
    panel->Scroll(-200, 100);
    EXPECT_EQ(panel->Value(), 300);

    panel->Reset();
    panel->Scroll(2500, 400); // bottom 2900 comes to the middle of the 2000-twip panel
    EXPECT_EQ(panel->Value(), 1900);

    panel->Scroll(400, 300); // already in view
    EXPECT_EQ(panel->Value(), 1900);

    panel->Scroll(4000, 400); // limited to Max
    EXPECT_EQ(panel->Value(), 3000);

    // A region above the start scrolls to the start, not into an error.
    panel->setValue(100);
    panel->Scroll(-500, 100);
    EXPECT_EQ(panel->Value(), 0);
}

TEST_F(VerandelTest, ScaleWidthLeavesRoomForTheScrollBar)
{
    ASSERT_EQ(panel->scrollBar()->width() * haz::TwipsPerPixel, 255);
    EXPECT_EQ(panel->ScaleWidth(), 4445);
    EXPECT_EQ(panel->property("ScaleWidth").toInt(), 4445);
}

TEST_F(VerandelTest, ScrollBarStaysAtTheRightEdgeAtFullHeight)
{
    host->show();
    for (int border : {1, 0}) {
        panel->setBorderStyle(border);
        panel->resize(300, 250);
        const QRect inner = panel->contentsRect();
        const QRect bar = panel->scrollBar()->geometry();
        EXPECT_EQ(bar.right(), inner.right());
        EXPECT_EQ(bar.top(), inner.top());
        EXPECT_EQ(bar.height(), inner.height());
        EXPECT_EQ(bar.width(), Verandel::ScrollBarWidthPixels);
    }
    EXPECT_EQ(panel->contentsRect(), panel->rect()); // no border left
}

TEST_F(VerandelTest, SetMaxScrollTakesTheRangeFromTheLowestControl)
{
    panel->setWhiteSpace(120);
    addControl(0, 450);
    addControl(1500, 450);
    QLabel *last = addControl(3000, 450);
    panel->setValue(700); // Set_MaxScroll starts from the unscrolled places

    panel->Set_MaxScroll();
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_EQ(topTwips(last), 3000);
    // inner height = 2000 - two 15-twip border lines
    EXPECT_EQ(panel->Max(), 3000 - 1970 + 450 + 120);

    // A control out of order (above its predecessor) does not count.
    addControl(600, 450);
    panel->Set_MaxScroll();
    EXPECT_EQ(panel->Max(), 1600);
}

TEST_F(VerandelTest, SetMaxScrollKeepsTheRangeWithinWhatCanScroll)
{
    addControl(0, 300);
    addControl(600, 300);
    panel->Set_MaxScroll(); // everything fits: nothing to scroll, never below Min
    EXPECT_EQ(panel->Max(), 0);

    QLabel *far = addControl(0);
    far->move(far->x(), 3000); // 45000 twips down, more than 16 bits hold
    panel->Set_MaxScroll();
    EXPECT_EQ(panel->Max(), 32767);

    auto *empty = new Verandel(host.get());
    empty->Set_MaxScroll();
    EXPECT_EQ(empty->Max(), 0);
}

TEST_F(VerandelTest, ValuesOutsideSixteenBitsOverflow)
{
    QLabel *a = addControl(600);
    EXPECT_EQ(errorOf([&] { panel->setValue(40000); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setValue(-32769); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setMax(32768); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setMin(-40000); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setSmallChange(70000); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setLargeChange(32768); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->setWhiteSpace(33000); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->Scroll(40000, 0); }), haz::ErrOverflow);
    EXPECT_EQ(errorOf([&] { panel->Scroll(-40000, 100); }), haz::ErrOverflow);
    EXPECT_EQ(panel->Max(), 3000);
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_EQ(topTwips(a), 600);
}

TEST_F(VerandelTest, ValuesOutsideTheRangeAreRefused)
{
    QLabel *a = addControl(600);
    panel->setMax(1000);
    panel->setValue(195);
    EXPECT_EQ(errorOf([&] { panel->setValue(1001); }), haz::ErrInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { panel->setValue(-1); }), haz::ErrInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { panel->setSmallChange(0); }), haz::ErrInvalidPropertyValue);
    EXPECT_EQ(errorOf([&] { panel->setBackColor(QColor()); }), haz::ErrInvalidPropertyValue);
    EXPECT_EQ(panel->Value(), 195);
    EXPECT_EQ(topTwips(a), 405);

    // Limits that move past Value take it along, and the controls with it.
    panel->setMax(100);
    EXPECT_EQ(panel->Value(), 100);
    EXPECT_EQ(topTwips(a), 495);
}

TEST_F(VerandelTest, MaxBelowMinIsKeptAsGiven)
{
    panel->setMax(-500);
    EXPECT_EQ(panel->Min(), 0);
    EXPECT_EQ(panel->Max(), -500);
    panel->setValue(-300);
    EXPECT_EQ(panel->Value(), -300);
    EXPECT_EQ(errorOf([&] { panel->setValue(10); }), haz::ErrInvalidPropertyValue);
}

TEST_F(VerandelTest, SettersAnnounceTheirPropertyByName)
{
    QSignalSpy changed(panel, &Verandel::propertyChanged);
    const auto names = [&] {
        QStringList list;
        for (const QList<QVariant> &args : changed)
            list << args.at(0).toString();
        changed.clear();
        return list;
    };

    panel->setValue(300);
    panel->setMax(2000);
    panel->setMin(-100);
    panel->setSmallChange(30);
    panel->setLargeChange(600);
    panel->setWhiteSpace(60);
    panel->setMatchBackColor(false);
    panel->setBackColor(Qt::darkCyan);
    panel->setBorderStyle(0);
    EXPECT_EQ(names(), (QStringList{"Value", "Max", "Min", "SmallChange", "LargeChange",
                                    "WhiteSpace", "MatchBackColor", "BackColor", "BorderStyle"}));
    EXPECT_EQ(panel->SmallChange(), 30);
    EXPECT_EQ(panel->LargeChange(), 600);
    EXPECT_EQ(panel->BackColor(), QColor(Qt::darkCyan));

    // Any non-zero border style is a single line.
    panel->setBorderStyle(7);
    EXPECT_EQ(panel->BorderStyle(), Verandel::bdrSingle);
    EXPECT_EQ(panel->frameShape(), QFrame::Box);
    names();

    // Enabled is the panel's own setting; the host's state does not change it.
    host->setEnabled(false);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_TRUE(panel->Enabled());
    host->setEnabled(true);
    panel->setEnabled(false);
    EXPECT_EQ(names(), QStringList{"Enabled"});
    EXPECT_FALSE(panel->Enabled());
    EXPECT_FALSE(panel->scrollBar()->isEnabled());

    // The same setters through the property system.
    EXPECT_TRUE(panel->setProperty("Value", 900));
    EXPECT_EQ(panel->Value(), 900);
    EXPECT_EQ(names(), QStringList{"Value"});
}

TEST_F(VerandelTest, FollowsTheHostBackgroundWhenMatching)
{
    QPalette p = host->palette();
    p.setColor(host->backgroundRole(), QColor(200, 10, 10));
    host->setPalette(p);
    EXPECT_EQ(panel->BackColor(), QColor(200, 10, 10));

    panel->setMatchBackColor(false);
    p.setColor(host->backgroundRole(), QColor(10, 200, 10));
    host->setPalette(p);
    EXPECT_EQ(panel->BackColor(), QColor(200, 10, 10));

    // Moved to another host, the panel follows that one.
    panel->setMatchBackColor(true);
    QWidget other;
    panel->setParent(&other);
    p.setColor(other.backgroundRole(), QColor(10, 10, 200));
    other.setPalette(p);
    EXPECT_EQ(panel->BackColor(), QColor(10, 10, 200));
    panel->setParent(host.get());
}

// Wheel events that the widgets on the panel leave alone reach the panel itself (the
// window system's events propagate to the parent; those sent here do not).
TEST_F(VerandelTest, MouseWheelOverThePanelScrollsIt)
{
    host->show();
    QLabel *a = addControl(600);
    const auto wheel = [&](int angle) {
        QWheelEvent e(QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(panel, &e);
        return e.isAccepted();
    };

    wheel(-120); // one notch towards the user scrolls down
    const int expected = QApplication::wheelScrollLines() * panel->SmallChange();
    EXPECT_EQ(panel->Value(), expected);
    EXPECT_EQ(a->y(), 40 - Verandel::toPixels(expected));

    EXPECT_TRUE(wheel(120));
    EXPECT_EQ(panel->Value(), 0);
    EXPECT_EQ(topTwips(a), 600);
    // At the top there is nothing left to scroll: the event goes on to the host.
    EXPECT_FALSE(wheel(120));
}

TEST_F(VerandelTest, ScrollBarStaysAboveControlsAddedLater)
{
    host->show();
    auto *wide = new QLabel(panel);
    wide->setGeometry(0, 0, panel->width(), 50);
    wide->show();
    const QRect bar = panel->scrollBar()->geometry();
    EXPECT_EQ(panel->childAt(bar.center()), panel->scrollBar());
    EXPECT_EQ(panel->childAt(5, 5), wide); // the redrawn border line lets the mouse through
    // Neither the bar nor the border line is one of the controls it moves.
    EXPECT_EQ(panel->Controls(), QList<QWidget *>{wide});

    // A control scrolled past the top does not paint over the border line.
    QPalette red = wide->palette();
    red.setColor(QPalette::Window, Qt::red);
    wide->setPalette(red);
    wide->setAutoFillBackground(true);
    wide->move(0, -10);
    const QImage shot = panel->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 0), panel->palette().color(QPalette::WindowText));
    EXPECT_EQ(shot.pixelColor(20, 1), QColor(Qt::red));
}

TEST_F(VerandelTest, AboutBoxIsModalAndClosesWithOk)
{
    QString seen;
    QTimer::singleShot(0, panel, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = modal->objectName();
        auto *ok = modal->findChild<QPushButton *>(QStringLiteral("cmdOK"));
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            static_cast<QDialog *>(modal)->reject();
    });
    addControl(600);
    panel->ShowAboutBox();
    EXPECT_EQ(seen, QStringLiteral("frmAbout"));
    EXPECT_EQ(panel->findChild<QDialog *>(), nullptr); // unloaded
    EXPECT_EQ(panel->Controls().size(), 1);
}

} // namespace
