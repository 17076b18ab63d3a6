#include "app/stats/teamstatswindow.h"

#include "app/stats/teamcolumnspanel.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "qtbase/qtext.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {

TeamStatsWindow::TeamStatsWindow(TeamStatsByPeriod totals, const AppContext &context, SummaryPeriod period,
                                 QWidget *parent)
    : QDialog(parent), m_totals(std::move(totals)), m_context(context)
{
    const TeamStatsTotals &game = m_totals.totals(SummaryPeriod::Game);
    setObjectName(QStringLiteral("teamStats"));
    setWindowTitle(toQString(teamStatsCaption(game.teamName)));
    auto *layout = new QVBoxLayout(this);
    auto *record = new QLabel(toQString(teamRecordHeading(game)));
    record->setObjectName(QStringLiteral("record"));
    record->setTextFormat(Qt::PlainText); // the team's name from its games, never markup
    record->setAlignment(Qt::AlignCenter);
    QFont bigger = record->font();
    bigger.setBold(true);
    record->setFont(bigger);
    layout->addWidget(record);
    m_panel = new TeamColumnsPanel(kTeamStatsLabels, [this](SummaryPeriod period) { showPeriod(period); });
    m_panel->setCaptions(toQString(game.teamName), toQString(game.opponentsCaption));
    layout->addWidget(m_panel, 1);

    const auto [ok, print, exportButton] = addStatsButtons(*layout, m_context, this);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        accept();
    });
    connect(print, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        done(kPrintResult);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportReportWith(m_context, [this](std::ostream &out, bool html, bool appending) {
            writeTeamStats(out, shown(), html, appending, m_context.settings.app.html, currentDateTime());
        });
    });
    m_panel->checkPeriod(period);
    showPeriod(period);
}

void TeamStatsWindow::showPeriod(SummaryPeriod period)
{
    m_period = period;
    const TeamStatsTotals &totals = shown();
    m_panel->setValues(toQString(gameSummaryValueText(totals.team)), toQString(gameSummaryValueText(totals.opponents)));
}

} // namespace yardmark
