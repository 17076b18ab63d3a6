#include "app/stats/summarychartview.h"

#include "qtbase/qtcolor.h"
#include "qtbase/qtext.h"

#include <QPainter>

namespace yardmark {

SummaryChartView::SummaryChartView(const AppSettings &settings, QWidget *parent) : QWidget(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("chart"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void SummaryChartView::setChart(const SummaryChart &chart)
{
    m_chart = chart;
    update();
}

QSize SummaryChartView::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.averageCharWidth() * 36, metrics.height() * 22};
}

void SummaryChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height();
    const int margin = metrics.averageCharWidth();
    const QColor colors[2] = {toQColor(m_settings.homeColor), toQColor(m_settings.visitorColor)};
    const QRect area = rect().adjusted(margin, 0, -margin, -margin);
    QFont bold = font();
    bold.setBold(true);

    // Yards: per team two horizontal bars, rushing above passing, with their numbers.
    int y = area.top() + line / 2;
    painter.setFont(bold);
    painter.drawText(area.left(), y + metrics.ascent(), QStringLiteral("Yards Rushing / Passing"));
    painter.setFont(font());
    y += line + line / 2;
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("Passing")) + margin;
    const int barRoom = std::max(1, area.width() - labelWidth - metrics.horizontalAdvance(QStringLiteral(" 0000")));
    for (std::size_t t = 0; t < m_chart.teams.size(); ++t) {
        const SummaryChart::TeamBars &team = m_chart.teams[t];
        painter.drawText(area.left(), y + metrics.ascent(),
                         metrics.elidedText(toQString(team.name), Qt::ElideRight, area.width()));
        y += line;
        const std::pair<const char *, std::int32_t> bars[2] = {{"Rushing", team.rushingYards},
                                                               {"Passing", team.passingYards}};
        for (const auto &[label, yards] : bars) {
            painter.drawText(area.left(), y + metrics.ascent(), QString::fromLatin1(label));
            const int width = barRoom * yards / std::max(1, m_chart.yardsScale);
            const QRect bar(area.left() + labelWidth, y + 2, width, line - 4);
            painter.fillRect(bar, colors[t]);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawRect(bar);
            painter.drawText(bar.right() + margin / 2, y + metrics.ascent(), QString::number(yards));
            y += line;
        }
        y += line / 2;
    }

    // Points: per period one column for each team, both teams side by side.
    y += line / 2;
    painter.setFont(bold);
    painter.drawText(area.left(), y + metrics.ascent(), QStringLiteral("Points by Quarter"));
    painter.setFont(font());
    // A line of room above the tallest column for its number.
    y += 2 * line + line / 2;
    const int bottom = area.bottom() - line;
    const int height = std::max(line, bottom - y);
    const int group = std::max(1, area.width() / std::max(1, m_chart.periods));
    const int column = std::max(2, group / 3);
    static const char *const periodNames[SummaryChart::kPeriods] = {"1", "2", "3", "4", "OT"};
    for (int p = 0; p < m_chart.periods; ++p) {
        const int left = area.left() + p * group + (group - 2 * column) / 2;
        for (std::size_t t = 0; t < m_chart.teams.size(); ++t) {
            const std::int32_t points = m_chart.teams[t].points[static_cast<std::size_t>(p)];
            const int barHeight = height * points / std::max(1, m_chart.pointsScale);
            const QRect bar(left + static_cast<int>(t) * column, bottom - barHeight, column, barHeight);
            painter.fillRect(bar, colors[t]);
            painter.drawRect(bar);
            if (points > 0)
                painter.drawText(QRect(bar.left(), bar.top() - line, column, line), Qt::AlignCenter,
                                 QString::number(points));
        }
        painter.drawText(QRect(area.left() + p * group, bottom, group, line), Qt::AlignCenter,
                         QString::fromLatin1(periodNames[p]));
    }
    painter.drawLine(area.left(), bottom, area.right(), bottom);
}

} // namespace yardmark
