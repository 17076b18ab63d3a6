#pragma once

#include "gameflow/fielddisplay.h"

#include <QImage>
#include <QWidget>

namespace yardmark {

/// The drawn field with the drive chart and the ball marker, stretched over
/// the widget and painted at the screen's resolution.
class FieldView final : public QWidget {
    Q_OBJECT

public:
    explicit FieldView(QWidget *parent = nullptr);

    void setChart(DriveChart chart);
    const DriveChart &chart() const { return m_chart; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DriveChart m_chart;
};

/// A team logo fitted into the widget, keeping its proportions.
class LogoView final : public QWidget {
    Q_OBJECT

public:
    explicit LogoView(QWidget *parent = nullptr);
    void setLogo(QImage logo);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_logo;
};

/// The possession football beside the name of the team with the ball.
class PossessionBall final : public QWidget {
    Q_OBJECT

public:
    explicit PossessionBall(QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace yardmark
