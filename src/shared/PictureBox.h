#pragma once
// The picture box of both programs: shows a .bmp, .jpg or .gif file (an animated GIF
// plays), scaled down to fit the box with its proportions kept. Loading failures are
// run-time errors for the caller to handle.

#include <QFrame>
#include <QImage>

class QMovie;

namespace haz {

class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    // Shows the picture in the file. RuntimeError 53 when the file does not exist,
    // 481 when it cannot be decoded; the box is empty after a failure.
    void loadPicture(const QString &path);
    void clearPicture();
    bool hasPicture() const;
    // The picture as shown now (the current frame of an animation).
    QImage picture() const;
    // The running animation of an animated GIF; nullptr for still pictures.
    QMovie *movie() const { return m_movie; }

    QSize sizeHint() const override;

signals:
    // The right mouse button was released over the box (the copy gesture).
    void rightButtonReleased();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    QMovie *m_movie = nullptr;
};

} // namespace haz
