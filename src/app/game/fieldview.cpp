#include "app/game/fieldview.h"

#include "app/common/nightcolors.h"
#include "qtfield/fieldpainter.h"

#include <QPainter>

namespace yardmark {

FieldView::FieldView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("field"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_chart.picture = fieldPicture(LeagueOptions{});
}

void FieldView::setChart(DriveChart chart)
{
    m_chart = std::move(chart);
    updateGeometry();
    update();
}

QSize FieldView::sizeHint() const
{
    return defaultFieldSize(m_chart);
}

QSize FieldView::minimumSizeHint() const
{
    return {static_cast<int>(m_chart.picture.width), static_cast<int>(m_chart.picture.height)};
}

int FieldView::heightForWidth(int width) const
{
    return static_cast<int>(width * m_chart.picture.height / m_chart.picture.width);
}

void FieldView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintField(painter, QRectF(rect()), m_chart);
    veilAtNight(painter, QRectF(rect()), palette());
}

LogoView::LogoView(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void LogoView::setLogo(QImage logo)
{
    m_logo = std::move(logo);
    update();
}

QSize LogoView::sizeHint() const
{
    return {fontMetrics().height() * 5, fontMetrics().height() * 5};
}

void LogoView::paintEvent(QPaintEvent *)
{
    if (m_logo.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize fitted = m_logo.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.drawImage(target, m_logo);
    veilAtNight(painter, QRectF(target), palette());
}

PossessionBall::PossessionBall(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(QStringLiteral("Has the ball"));
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

QSize PossessionBall::sizeHint() const
{
    // 30 by 19 at the height of a line of text.
    const int height = fontMetrics().height() * 3 / 2;
    return {height * 30 / 19, height};
}

void PossessionBall::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintFootball(painter, QRectF(rect()));
}

} // namespace yardmark
