#pragma once

#include "stats/gamesummary.h"

#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QRadioButton;

namespace yardmark {

/// The body the game summary and the team statistics share: the label
/// column, two value columns under their captions, and the seven period
/// buttons below. The value texts hold one line per label, so that the three
/// columns line up line by line.
class TeamColumnsPanel final : public QWidget {
    Q_OBJECT

public:
    TeamColumnsPanel(const char *labels, std::function<void(SummaryPeriod)> periodChosen, QWidget *parent = nullptr);

    void setCaptions(const QString &first, const QString &second);
    void setValues(const QString &first, const QString &second);
    void checkPeriod(SummaryPeriod period);
    SummaryPeriod period() const { return m_period; }

private:
    QLabel *m_captions[2];
    QLabel *m_values[2];
    std::array<QRadioButton *, kSummaryPeriodCount> m_periods{};
    SummaryPeriod m_period = SummaryPeriod::Game;
};

} // namespace yardmark
