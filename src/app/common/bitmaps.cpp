#include "app/common/bitmaps.h"

#include "base/atomicfile.h"
#include "qtbase/qtext.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace yardmark {
namespace {

const QColor kFieldGreen(34, 110, 52);
const QColor kStripeGreen(40, 124, 60);
const QColor kBallBrown(128, 64, 28);

QImage firstLoadable(std::initializer_list<QString> paths)
{
    for (const QString &path : paths) {
        QImage image = loadBitmap(path);
        if (!image.isNull())
            return image;
    }
    return {};
}

// A football seen from the side, with its laces, filling `box`.
void drawFootball(QPainter &painter, const QRectF &box)
{
    painter.save();
    QPainterPath ball;
    ball.moveTo(box.left(), box.center().y());
    ball.quadTo(box.center().x(), box.top() - box.height() * 0.45, box.right(), box.center().y());
    ball.quadTo(box.center().x(), box.bottom() + box.height() * 0.45, box.left(), box.center().y());
    painter.setPen(QPen(kBallBrown.darker(160), std::max(1.0, box.height() / 16)));
    painter.setBrush(kBallBrown);
    painter.drawPath(ball);
    QPen white(Qt::white, std::max(1.0, box.height() / 12), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(white);
    const double y = box.center().y();
    painter.drawLine(QPointF(box.left() + box.width() * 0.3, y), QPointF(box.right() - box.width() * 0.3, y));
    for (int i = 0; i < 5; ++i) {
        const double x = box.left() + box.width() * (0.36 + 0.07 * i);
        painter.drawLine(QPointF(x, y - box.height() * 0.14), QPointF(x, y + box.height() * 0.14));
    }
    painter.restore();
}

} // namespace

QImage loadBitmap(const QString &path)
{
    if (path.isEmpty())
        return {};
    // Read as bytes first: a pipe or device named as a picture is refused, never waited on.
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(pathFromQString(path), bytes, kMaxBitmapFileSize))
        return {};
    return QImage::fromData(bytes.data(), static_cast<int>(bytes.size()));
}

QImage loadWallpaper(const QString &file)
{
    QImage image = firstLoadable({file, QString::fromLatin1(kDefaultWallpaperFile)});
    return image.isNull() ? drawnWallpaper() : image;
}

QImage loadTeamLogo(const QString &file)
{
    QImage image = firstLoadable({file, QString::fromLatin1(kDefaultLogoFile)});
    return image.isNull() ? drawnTeamLogo() : image;
}

QImage drawnWallpaper()
{
    // A field seen from above: end zones, a line every five yards, the name
    // of the program across midfield.
    constexpr int kWidth = 640;
    constexpr int kHeight = 400;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(kFieldGreen); // the stripes' smoothed edges blend with what is under them
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double yard = kWidth / 120.0;
    for (int stripe = 0; stripe < 24; ++stripe)
        painter.fillRect(QRectF(stripe * 5 * yard, 0, 5 * yard + 1, kHeight), stripe % 2 ? kStripeGreen : kFieldGreen);
    painter.fillRect(QRectF(0, 0, 10 * yard, kHeight), QColor(20, 60, 140));
    painter.fillRect(QRectF(110 * yard, 0, 10 * yard, kHeight), QColor(150, 24, 24));
    painter.setPen(QPen(Qt::white, 2));
    for (int line = 10; line <= 110; line += 5)
        painter.drawLine(QPointF(line * yard, 0), QPointF(line * yard, kHeight));
    QFont numbers(QStringLiteral("Arial"), 14, QFont::Bold);
    painter.setFont(numbers);
    for (int line = 20; line <= 100; line += 10) {
        const int label = line <= 60 ? line - 10 : 110 - line;
        painter.drawText(QRectF(line * yard - 20, kHeight - 46, 40, 24), Qt::AlignCenter, QString::number(label));
        painter.drawText(QRectF(line * yard - 20, 22, 40, 24), Qt::AlignCenter, QString::number(label));
    }
    drawFootball(painter, QRectF(kWidth / 2.0 - 70, 110, 140, 80));
    QFont title(QStringLiteral("Arial"), 30, QFont::Bold);
    painter.setFont(title);
    const QRectF titleBox(0, 210, kWidth, 60);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(titleBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("Football Yardmark"));
    painter.setPen(Qt::white);
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("Football Yardmark"));
    return image;
}

QImage drawnTeamLogo()
{
    // A plain shield with a football, in neutral colours that suit any team.
    constexpr int kSize = 64;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(6, 6);
    shield.lineTo(58, 6);
    shield.lineTo(58, 30);
    shield.quadTo(58, 50, 32, 60);
    shield.quadTo(6, 50, 6, 30);
    shield.closeSubpath();
    QLinearGradient fill(0, 0, 0, kSize);
    fill.setColorAt(0, QColor(70, 90, 120));
    fill.setColorAt(1, QColor(30, 40, 60));
    painter.setPen(QPen(QColor(20, 20, 30), 2));
    painter.setBrush(fill);
    painter.drawPath(shield);
    drawFootball(painter, QRectF(16, 22, 32, 18));
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kFieldGreen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        drawFootball(painter, QRectF(size * 0.1, size * 0.28, size * 0.8, size * 0.44));
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace yardmark
