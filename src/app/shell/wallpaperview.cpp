#include "app/shell/wallpaperview.h"

#include "app/common/nightcolors.h"

#include <QPainter>

namespace yardmark {

QRect wallpaperRect(int mode, QSize image, QSize area)
{
    if (image.isEmpty() || area.isEmpty())
        return {};
    if (mode == static_cast<int>(WallpaperMode::Center))
        return {QPoint((area.width() - image.width()) / 2, (area.height() - image.height()) / 2), image};
    return {QPoint(0, 0), area};
}

WallpaperView::WallpaperView(QWidget *parent) : QWidget(parent)
{
}

void WallpaperView::setImage(const QImage &image)
{
    m_image = image;
    m_tile = QPixmap::fromImage(image);
    update();
}

void WallpaperView::setMode(int mode)
{
    m_mode = mode;
    update();
}

void WallpaperView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // White by day around the picture; the window's own dark colour at night.
    painter.fillRect(rect(), isDark(palette()) ? palette().color(QPalette::Window) : QColor(Qt::white));
    const QRect place = wallpaperRect(m_mode, m_image.size(), size());
    if (place.isEmpty())
        return;
    if (m_mode == static_cast<int>(WallpaperMode::Tile)) {
        painter.drawTiledPixmap(place, m_tile);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(place, m_image);
    }
    veilAtNight(painter, QRectF(place), palette());
}

} // namespace yardmark
