#include "PictureBox.h"

#include "Platform.h"
#include "RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

namespace haz {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent) {}

PictureBox::~PictureBox() = default;

void PictureBox::loadPicture(const QString &path)
{
    clearPicture();
    // Picture names come from data written for a file system that ignores letter case.
    const QString resolved = platform::resolveCaseInsensitive(path);
    if (!QFileInfo(resolved).isFile())
        throw RuntimeError(ErrFileNotFound);

    QImageReader reader(resolved);
    reader.setDecideFormatFromContent(true);
    if (reader.supportsAnimation() && reader.imageCount() > 1) {
        auto *movie = new QMovie(resolved, QByteArray(), this);
        if (!movie->isValid() || !movie->jumpToFrame(0) || movie->currentImage().isNull()) {
            delete movie;
            throw RuntimeError(ErrInvalidPicture);
        }
        m_movie = movie;
        connect(m_movie, &QMovie::frameChanged, this, qOverload<>(&QWidget::update));
        m_movie->start();
    } else {
        QImage image = reader.read();
        if (image.isNull())
            throw RuntimeError(ErrInvalidPicture);
        m_image = std::move(image);
    }
    update();
}

void PictureBox::clearPicture()
{
    if (m_movie) {
        m_movie->stop();
        delete m_movie;
        m_movie = nullptr;
    }
    m_image = QImage();
    update();
}

bool PictureBox::hasPicture() const
{
    return m_movie || !m_image.isNull();
}

QImage PictureBox::picture() const
{
    return m_movie ? m_movie->currentImage() : m_image;
}

QSize PictureBox::sizeHint() const
{
    const QImage shown = picture();
    return shown.isNull() ? QFrame::sizeHint() : shown.size();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QImage shown = picture();
    if (shown.isNull())
        return;
    const QRect area = contentsRect();
    QSize size = shown.size();
    // Large pictures shrink to the box; small ones keep their size and stay sharp.
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    if (size.isEmpty())
        return;
    const QRect target(area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, shown);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        emit rightButtonReleased();
}

} // namespace haz
