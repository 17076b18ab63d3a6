#include "app/common/nightcolors.h"

#include "qtbase/qtcolor.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>

#include <optional>

namespace yardmark {
namespace {

// Grey, not black, and text short of white: the eye used to the dark sees
// more contrast than it needs by day.
QPalette nightPalette()
{
    const QColor window(38, 38, 40);
    const QColor base(28, 28, 30);
    const QColor text(214, 214, 210);
    const QColor dimmed(120, 120, 120);
    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(46, 46, 49));
    p.setColor(QPalette::ToolTipBase, QColor(58, 58, 62));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dimmed);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, QColor(52, 52, 56));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 120, 110));
    p.setColor(QPalette::Light, QColor(80, 80, 86));
    p.setColor(QPalette::Midlight, QColor(64, 64, 68));
    p.setColor(QPalette::Mid, QColor(34, 34, 36));
    p.setColor(QPalette::Dark, QColor(22, 22, 24));
    p.setColor(QPalette::Shadow, QColor(8, 8, 8));
    p.setColor(QPalette::Highlight, QColor(52, 92, 140));
    p.setColor(QPalette::HighlightedText, QColor(240, 240, 240));
    p.setColor(QPalette::Link, QColor(120, 170, 235));
    p.setColor(QPalette::LinkVisited, QColor(170, 140, 220));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dimmed);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(60, 60, 64));
    return p;
}

struct DayLook {
    QString style;
    QPalette palette;
};

// What night colours replaced, while they are on.
std::optional<DayLook> &dayLook()
{
    static std::optional<DayLook> look;
    return look;
}

} // namespace

void setNightColors(bool on)
{
    std::optional<DayLook> &day = dayLook();
    if (on == day.has_value())
        return;
    if (on) {
        day = DayLook{QApplication::style()->name(), QApplication::palette()};
        // The one style that draws every control in the palette's colours
        // (the Windows styles keep their own light buttons).
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(nightPalette());
        return;
    }
    if (QStyle *style = QStyleFactory::create(day->style))
        QApplication::setStyle(style);
    // Every colour given back as it was: a role the day palette left to the
    // system (Windows leaves some) would otherwise keep its night colour.
    QPalette whole = day->palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            whole.setBrush(g, r, day->palette.brush(g, r));
        }
    }
    QApplication::setPalette(whole);
    day.reset();
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

void veilAtNight(QPainter &painter, const QRectF &area, const QPalette &palette)
{
    if (isDark(palette))
        painter.fillRect(area, QColor(0, 0, 0, 96));
}

QColor errorTextColor(const QPalette &palette)
{
    return isDark(palette) ? QColor(255, 128, 118) : QColor(176, 0, 0);
}

QColor readableTextColor(ColorValue color, const QPalette &palette)
{
    return toQColor(readableOn(color, fromQColor(palette.color(QPalette::Window)), kReadableLargeTextContrast));
}

} // namespace yardmark
