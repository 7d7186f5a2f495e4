#pragma once
// Verandel: a panel that other widgets are placed on, with a vertical scroll bar along
// its right edge. Moving the scroll bar moves every widget on the panel up or down by
// the same amount, so a column taller than the panel can be scrolled through.
//
// Positions, sizes and scroll values are twips (15 twips = 1 pixel). The widgets "on
// the panel" are its direct child widgets, except its own scroll bar and child windows,
// in child order. The panel keeps no list of them: every scroll step moves the ones
// present at that moment by the difference between the new and the last position.
//
// Scroll values are held in 16 bits: a value outside -32768..32767 raises
// haz::RuntimeError 6 (overflow); a value set by code outside Min..Max raises 380
// (invalid property value).

#include "verandel_global.h"

#include <QColor>
#include <QFrame>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>

class QScrollBar;
class VerandelPropertyStore;

class VERANDEL_EXPORT Verandel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(BorderType BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY borderStyleChanged)
    Q_PROPERTY(bool MatchBackColor READ MatchBackColor WRITE setMatchBackColor NOTIFY matchBackColorChanged)
    Q_PROPERTY(int WhiteSpace READ WhiteSpace WRITE setWhiteSpace NOTIFY whiteSpaceChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor NOTIFY backColorChanged)
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(int SmallChange READ SmallChange WRITE setSmallChange NOTIFY smallChangeChanged)
    Q_PROPERTY(int LargeChange READ LargeChange WRITE setLargeChange NOTIFY largeChangeChanged)
    Q_PROPERTY(int Min READ Min WRITE setMin NOTIFY minChanged)
    Q_PROPERTY(int Max READ Max WRITE setMax NOTIFY maxChanged)
    Q_PROPERTY(int ScaleWidth READ ScaleWidth)

public:
    enum BorderType { bdrnone = 0, bdrSingle = 1 };
    Q_ENUM(BorderType)

    static constexpr int ScrollBarWidthPixels = 17;
    // Room kept free between the usable width and the scroll bar.
    static constexpr int ScaleWidthMargin = 100;

    // Values a panel starts with and that loading uses for missing names.
    static constexpr int DefaultMin = 0;
    static constexpr int DefaultMax = 3000;
    static constexpr int DefaultValue = 0;
    static constexpr int DefaultSmallChange = 225;
    static constexpr int DefaultLargeChange = 1500;
    static QColor defaultBackColor(); // the system's button-face colour

    explicit Verandel(QWidget *parent = nullptr);
    ~Verandel() override;

    // Own enabled setting (not the one inherited from the host). The setter is
    // QWidget::setEnabled; every change of the setting is announced.
    bool Enabled() const;

    BorderType BorderStyle() const { return m_borderStyle; }
    // 0 gives no border, any other value a single line.
    void setBorderStyle(int bStyle);

    bool MatchBackColor() const { return m_matchBackColor; }
    void setMatchBackColor(bool bMatch);

    qint16 WhiteSpace() const { return m_whiteSpace; }
    void setWhiteSpace(qint32 iSpace);

    QColor BackColor() const;
    void setBackColor(const QColor &cColor);

    qint16 Value() const;
    void setValue(qint32 lValue);

    qint16 SmallChange() const;
    void setSmallChange(qint32 iChange);

    qint16 LargeChange() const;
    void setLargeChange(qint32 iChange);

    qint16 Min() const { return m_min; }
    void setMin(qint32 iMin);

    qint16 Max() const { return m_max; }
    void setMax(qint32 lMax);

    // Usable width: panel width - scroll bar width - 100 twips.
    int ScaleWidth() const;

    // Brings the region iTop..iTop+iHeight (current panel coordinates) into view.
    Q_INVOKABLE void Scroll(qint32 iTop, qint32 iHeight);
    // Back to the top; every widget returns to its unscrolled place.
    Q_INVOKABLE void Reset();
    // Takes Max from the widgets on the panel, assuming they were added top to bottom.
    Q_INVOKABLE void Set_MaxScroll();
    // The library's About window, modal.
    Q_INVOKABLE void ShowAboutBox();

    // Loading and saving the stored form: "BackColor", "Min", "Max", "Value",
    // "BorderStyle", "MatchBackColor", "WhiteSpace", "Enabled".
    void readProperties(const VerandelPropertyStore &store);
    void writeProperties(VerandelPropertyStore &store) const;

    // The widgets on the panel at this moment, in child order.
    QList<QWidget *> Controls() const;
    QScrollBar *scrollBar() const;

    // The panel's own geometry in twips. A size given here is kept exactly (the widget
    // gets the nearest whole pixels) until the widget is resized in some other way.
    void setTwipsGeometry(int left, int top, int width, int height);
    int twipsWidth() const;
    int twipsHeight() const;
    int innerTwipsHeight() const;

    static int toPixels(int twips);

signals:
    // The host's change notification: a property was changed through its setter or by
    // loading, by name.
    void propertyChanged(const QString &name);
    // Raised after every move of the widgets on the panel.
    void Scrolling();

    void enabledChanged(bool enabled);
    void borderStyleChanged(Verandel::BorderType style);
    void matchBackColorChanged(bool match);
    void whiteSpaceChanged(int space);
    void backColorChanged(const QColor &color);
    void valueChanged(int value);
    void smallChangeChanged(int change);
    void largeChangeChanged(int change);
    void minChanged(int min);
    void maxChanged(int max);

protected:
    bool event(QEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void moveControls(int newValue);
    void announce(const char *name);
    void applyRange();
    void layoutScrollBar();
    void keepOnTop();
    void watchHost(QWidget *host);

    class InnerScrollBar;
    class BorderLine;
    InnerScrollBar *m_bar = nullptr;
    BorderLine *m_borderLine = nullptr;
    qint16 m_lastPosition = 0;
    qint16 m_min = DefaultMin;
    qint16 m_max = DefaultMax;
    qint16 m_whiteSpace = 0;
    bool m_matchBackColor = true;
    bool m_enabledSetting = true;
    BorderType m_borderStyle = bdrSingle;
    QSize m_twipsSize; // invalid unless set through setTwipsGeometry
    QPointer<QWidget> m_host; // the widget whose palette changes are followed
};
