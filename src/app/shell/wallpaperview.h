#pragma once

#include "records/settings.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QWidget>

namespace yardmark {

/// Where a bitmap of `image` size is drawn in an area of `area` size: fit
/// stretches it over the whole area; tile fills the whole area with copies at
/// the bitmap's own size, the first at the top-left corner; centre draws it
/// once at its own size around the area's centre. An unknown mode counts as
/// fit. Empty when there is nothing to draw.
QRect wallpaperRect(int mode, QSize image, QSize area);

/// The main window's client area: the wallpaper in its mode.
class WallpaperView final : public QWidget {
    Q_OBJECT

public:
    explicit WallpaperView(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    void setMode(int mode);
    const QImage &image() const { return m_image; }
    int mode() const { return m_mode; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    QPixmap m_tile;
    int m_mode = static_cast<int>(WallpaperMode::Fit);
};

} // namespace yardmark
