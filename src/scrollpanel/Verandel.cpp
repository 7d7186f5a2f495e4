#include "Verandel.h"

#include "Conversions.h"
#include "RuntimeError.h"
#include "Twips.h"

#include <QChildEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using haz::RuntimeError;
namespace conv = haz::conv;

// The scroll bar lets the panel hand it wheel events that arrive over the panel's
// surface or over widgets on it that do not take the wheel themselves.
class Verandel::InnerScrollBar : public QScrollBar {
public:
    explicit InnerScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent) {}
    void wheelFromPanel(QWheelEvent *e) { wheelEvent(e); }
};

// Widgets scrolled past the top or bottom would paint over the panel's own border
// line; the line is drawn again above them, like the bar, and lets the mouse through.
class Verandel::BorderLine : public QWidget {
public:
    explicit BorderLine(Verandel *panel) : QWidget(panel), m_panel(panel)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_panel->BorderStyle() == bdrnone)
            return;
        QPainter painter(this);
        painter.setPen(m_panel->palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    Verandel *m_panel;
};

namespace {

// A small or large change: at least 1 and within 16 bits.
qint16 checkedChange(qint32 change)
{
    const qint16 value = conv::narrowToInt16(change);
    if (value < 1)
        throw RuntimeError(haz::ErrInvalidPropertyValue);
    return value;
}

} // namespace

QColor Verandel::defaultBackColor()
{
    return QGuiApplication::palette().color(QPalette::Button);
}

Verandel::Verandel(QWidget *parent) : QFrame(parent)
{
    auto *bar = new InnerScrollBar(this);
    bar->setObjectName(QStringLiteral("VScroll1"));
    bar->setSingleStep(DefaultSmallChange);
    bar->setPageStep(DefaultLargeChange);
    m_bar = bar;
    m_borderLine = new BorderLine(this);
    keepOnTop();
    applyRange();
    m_bar->setValue(DefaultValue);
    m_lastPosition = qint16(m_bar->value());
    connect(m_bar, &QScrollBar::valueChanged, this, &Verandel::moveControls);

    QPalette p = palette();
    p.setColor(QPalette::Window, defaultBackColor());
    setPalette(p);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    watchHost(parentWidget());
    layoutScrollBar();
}

Verandel::~Verandel() = default;

int Verandel::toPixels(int twips)
{
    return int(std::lround(double(twips) / haz::TwipsPerPixel));
}

QScrollBar *Verandel::scrollBar() const
{
    return m_bar;
}

QList<QWidget *> Verandel::Controls() const
{
    QList<QWidget *> controls;
    for (QObject *child : children()) {
        if (!child->isWidgetType() || child == m_bar || child == m_borderLine)
            continue;
        auto *w = static_cast<QWidget *>(child);
        if (!w->isWindow())
            controls.append(w);
    }
    return controls;
}

void Verandel::announce(const char *name)
{
    emit propertyChanged(QString::fromLatin1(name));
}

// Every change of the scroll position, by the user or by code, moves the widgets on the
// panel by the difference to the last position. The pixel step is taken between the
// rounded positions, so that steps that are not whole pixels never add up to drift.
void Verandel::moveControls(int newValue)
{
    const int dy = toPixels(m_lastPosition) - toPixels(newValue);
    if (dy != 0) {
        for (QWidget *w : Controls())
            w->move(w->x(), w->y() + dy);
    }
    m_lastPosition = qint16(newValue);
    emit valueChanged(newValue);
    emit Scrolling();
}

// A Min above Max is kept as the user gave it: the bar then runs from Min at the top
// to Max at the bottom, as the classic reversed scroll bar does.
void Verandel::applyRange()
{
    m_bar->setInvertedAppearance(m_min > m_max);
    m_bar->setRange(std::min(m_min, m_max), std::max(m_min, m_max));
}

void Verandel::layoutScrollBar()
{
    const QRect inner = contentsRect();
    m_bar->setGeometry(inner.right() + 1 - ScrollBarWidthPixels, inner.top(), ScrollBarWidthPixels,
                       inner.height());
    m_borderLine->setGeometry(rect());
}

// Widgets added later are stacked above earlier ones; the border line and the bar stay
// above them all.
void Verandel::keepOnTop()
{
    m_borderLine->raise();
    m_bar->raise();
}

void Verandel::watchHost(QWidget *host)
{
    if (m_host)
        m_host->removeEventFilter(this);
    m_host = host;
    if (m_host)
        m_host->installEventFilter(this);
}

bool Verandel::Enabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Verandel::setBorderStyle(int bStyle)
{
    const BorderType style = bStyle == 0 ? bdrnone : bdrSingle;
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    setFrameStyle(style == bdrnone ? QFrame::NoFrame : (QFrame::Box | QFrame::Plain));
    setLineWidth(1);
    layoutScrollBar();
    m_borderLine->update();
    emit borderStyleChanged(BorderStyle());
    announce("BorderStyle");
}

void Verandel::setMatchBackColor(bool bMatch)
{
    if (bMatch == m_matchBackColor)
        return;
    m_matchBackColor = bMatch;
    emit matchBackColorChanged(MatchBackColor());
    announce("MatchBackColor");
}

void Verandel::setWhiteSpace(qint32 iSpace)
{
    const qint16 space = conv::narrowToInt16(iSpace);
    if (space == m_whiteSpace)
        return;
    m_whiteSpace = space;
    emit whiteSpaceChanged(WhiteSpace());
    announce("WhiteSpace");
}

QColor Verandel::BackColor() const
{
    return palette().color(QPalette::Window);
}

void Verandel::setBackColor(const QColor &cColor)
{
    if (!cColor.isValid())
        throw RuntimeError(haz::ErrInvalidPropertyValue);
    if (cColor == BackColor())
        return;
    QPalette p = palette();
    p.setColor(QPalette::Window, cColor);
    setPalette(p);
    emit backColorChanged(BackColor());
    announce("BackColor");
}

qint16 Verandel::Value() const
{
    return qint16(m_bar->value());
}

void Verandel::setValue(qint32 lValue)
{
    const qint16 value = conv::narrowToInt16(lValue);
    if (value < m_bar->minimum() || value > m_bar->maximum())
        throw RuntimeError(haz::ErrInvalidPropertyValue);
    if (value == Value())
        return;
    m_bar->setValue(value); // moves the widgets through valueChanged
    announce("Value");
}

qint16 Verandel::SmallChange() const
{
    return qint16(m_bar->singleStep());
}

void Verandel::setSmallChange(qint32 iChange)
{
    const qint16 change = checkedChange(iChange);
    if (change == SmallChange())
        return;
    m_bar->setSingleStep(change);
    emit smallChangeChanged(SmallChange());
    announce("SmallChange");
}

qint16 Verandel::LargeChange() const
{
    return qint16(m_bar->pageStep());
}

void Verandel::setLargeChange(qint32 iChange)
{
    const qint16 change = checkedChange(iChange);
    if (change == LargeChange())
        return;
    m_bar->setPageStep(change);
    emit largeChangeChanged(LargeChange());
    announce("LargeChange");
}

void Verandel::setMin(qint32 iMin)
{
    const qint16 min = conv::narrowToInt16(iMin);
    if (min == m_min)
        return;
    m_min = min;
    applyRange(); // a Value below the new Min follows it and moves the widgets
    emit minChanged(Min());
    announce("Min");
}

void Verandel::setMax(qint32 lMax)
{
    const qint16 max = conv::narrowToInt16(lMax);
    if (max == m_max)
        return;
    m_max = max;
    applyRange();
    emit maxChanged(Max());
    announce("Max");
}

int Verandel::ScaleWidth() const
{
    return twipsWidth() - m_bar->width() * haz::TwipsPerPixel - ScaleWidthMargin;
}

void Verandel::setTwipsGeometry(int left, int top, int width, int height)
{
    m_twipsSize = QSize(width, height);
    setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
    layoutScrollBar(); // a hidden panel gets its resize event only when shown
}

int Verandel::twipsWidth() const
{
    if (m_twipsSize.isValid() && toPixels(m_twipsSize.width()) == width())
        return m_twipsSize.width();
    return width() * haz::TwipsPerPixel;
}

int Verandel::twipsHeight() const
{
    if (m_twipsSize.isValid() && toPixels(m_twipsSize.height()) == height())
        return m_twipsSize.height();
    return height() * haz::TwipsPerPixel;
}

int Verandel::innerTwipsHeight() const
{
    return twipsHeight() - (height() - contentsRect().height()) * haz::TwipsPerPixel;
}

void Verandel::Scroll(qint32 iTop, qint32 iHeight)
{
    const qint16 height = conv::narrowToInt16(iHeight);
    if (iTop < 0) {
        // Up until the region's top reaches the panel's top, but never past the start:
        // a region above the start is as far in view as it can get.
        const qint16 target = conv::narrowToInt16(qint64(Value()) + iTop);
        setValue(std::max<int>(target, m_bar->minimum()));
    }
    const int panelHeight = twipsHeight();
    if (qint64(iTop) + height > panelHeight) {
        // Down until the region's bottom reaches the middle of the panel.
        const double wanted = double(Value()) + (double(iTop) + height - panelHeight / 2.0);
        const qint16 target = conv::narrowToInt16(conv::roundHalfEven(wanted));
        setValue(std::min<int>(target, m_bar->maximum()));
    }
}

void Verandel::Reset()
{
    setValue(0);
    m_lastPosition = 0;
}

void Verandel::Set_MaxScroll()
{
    Reset();
    const QList<QWidget *> controls = Controls();
    const qint64 inner = innerTwipsHeight();
    qint64 max = 0;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QWidget *control = controls[i];
        const QWidget *previous = controls[i > 0 ? i - 1 : 0];
        const qint64 top = qint64(control->y()) * haz::TwipsPerPixel;
        if (top >= qint64(previous->y()) * haz::TwipsPerPixel)
            max = top - inner + qint64(control->height()) * haz::TwipsPerPixel + m_whiteSpace;
    }
    // Content that fits leaves nothing to scroll (a Max below Min would let the bar move
    // the widgets down); content taller than the bar can hold scrolls as far as it can.
    setMax(int(std::clamp<qint64>(max, m_min, 32767)));
}

void Verandel::ShowAboutBox()
{
    QDialog about(this);
    about.setObjectName(QStringLiteral("frmAbout"));
    about.setWindowTitle(QStringLiteral("About Verandel"));
    auto *layout = new QVBoxLayout(&about);
    auto *title = new QLabel(QStringLiteral("<b>Verandel</b>"), &about);
    title->setObjectName(QStringLiteral("lblTitle"));
    auto *text = new QLabel(QStringLiteral("Scroll panel control\nVersion %1")
                                .arg(QStringLiteral(VERANDEL_VERSION)),
                            &about);
    text->setObjectName(QStringLiteral("lblText"));
    auto *buttons = new QDialogButtonBox(&about);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(buttons);
    about.exec();
}

bool Verandel::event(QEvent *e)
{
    switch (e->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished: {
        QObject *child = static_cast<QChildEvent *>(e)->child();
        if (m_borderLine && child != m_bar && child != m_borderLine && child->isWidgetType())
            keepOnTop();
        break;
    }
    case QEvent::ParentAboutToChange:
        watchHost(nullptr);
        break;
    case QEvent::ParentChange:
        watchHost(parentWidget());
        break;
    case QEvent::ContentsRectChange:
        if (m_borderLine)
            layoutScrollBar();
        break;
    default:
        break;
    }
    return QFrame::event(e);
}

void Verandel::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::EnabledChange) {
        // The effective state also changes with the host's; only the own setting counts.
        const bool own = Enabled();
        if (own != m_enabledSetting) {
            m_enabledSetting = own;
            emit enabledChanged(own);
            announce("Enabled");
        }
    }
    QFrame::changeEvent(e);
}

void Verandel::resizeEvent(QResizeEvent *e)
{
    QFrame::resizeEvent(e);
    layoutScrollBar();
}

void Verandel::wheelEvent(QWheelEvent *e)
{
    // Ignored at either end, so an enclosing scroll area can take over.
    m_bar->wheelFromPanel(e);
}

bool Verandel::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_host && e->type() == QEvent::PaletteChange && m_matchBackColor)
        setBackColor(m_host->palette().color(m_host->backgroundRole()));
    return QFrame::eventFilter(watched, e);
}
