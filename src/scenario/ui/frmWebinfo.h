#pragma once
// The info window: a top-most window with the current question's info page in its
// browser WebBrowser1. A close request only hides it, so the page survives until the
// program ends.

#include <QWidget>

namespace haz {
class PageView;
}

namespace scenario {

class frmWebinfo : public QWidget {
    Q_OBJECT
public:
    static constexpr int InnerWidthTwips = 9975;
    static constexpr int InnerHeightTwips = 5520;

    explicit frmWebinfo(QWidget *parent = nullptr);

    haz::PageView *browser() const { return m_browser; }
    // Shows the window without taking the focus from the main window.
    void showWithoutWaiting();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    haz::PageView *m_browser = nullptr;
};

} // namespace scenario
