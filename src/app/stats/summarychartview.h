#pragma once

#include "records/settings.h"
#include "stats/summarychart.h"

#include <QWidget>

namespace yardmark {

/// The game summary's pictures: per team a bar of the yards rushing and one
/// of the yards passing, and the points of each period side by side, in the
/// teams' colours.
class SummaryChartView final : public QWidget {
    Q_OBJECT

public:
    SummaryChartView(const AppSettings &settings, QWidget *parent = nullptr);

    void setChart(const SummaryChart &chart);
    const SummaryChart &chart() const { return m_chart; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const AppSettings &m_settings;
    SummaryChart m_chart;
};

} // namespace yardmark
