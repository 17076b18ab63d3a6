#include "app/stats/gamesummarywindow.h"

#include "app/stats/summarychartview.h"
#include "app/stats/teamcolumnspanel.h"

#include "base/datetime.h"
#include "base/userinterface.h"
#include "printouts/gamesummaryprintout.h"
#include "qtbase/qtext.h"
#include "stats/gamesummary.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace yardmark {

GameSummaryWindow::GameSummaryWindow(const Game &game, const AppContext &context, QWidget *parent)
    : QDialog(parent), m_game(game), m_context(context)
{
    setObjectName(QStringLiteral("gameSummary"));
    setWindowTitle(QStringLiteral("Game Summary"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    m_panel = new TeamColumnsPanel(kGameSummaryLabels, [this](SummaryPeriod period) { showPeriod(period); });
    m_chart = new SummaryChartView(m_context.settings.app);
    auto *body = new QHBoxLayout;
    body->addWidget(m_panel, 3);
    body->addWidget(m_chart, 2);
    layout->addLayout(body, 1);

    const auto [ok, print, exportButton] = addStatsButtons(*layout, m_context, this);

    connect(ok, &QPushButton::clicked, this, [this] {
        m_context.ui.playSound(kClickSound);
        close();
    });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        exportReportWith(m_context, [this](std::ostream &out, bool html, bool appending) {
            writeGameSummary(out, m_game, m_home, m_visitor, html, appending, m_context.settings.app.html,
                             currentDateTime());
        });
    });
    refresh();
}

void GameSummaryWindow::refresh()
{
    m_panel->setCaptions(toQString(m_game.info.homeTeamName), toQString(m_game.info.visitorTeamName));
    m_panel->checkPeriod(SummaryPeriod::Game);
    showPeriod(SummaryPeriod::Game);
}

void GameSummaryWindow::showPeriod(SummaryPeriod period)
{
    const QuarterRange range = summaryPeriodRange(m_game, period);
    m_home = computeGameTeamStats(m_game, true, range.first, range.last, m_context.settings.league);
    m_visitor = computeGameTeamStats(m_game, false, range.first, range.last, m_context.settings.league);
    m_panel->setValues(toQString(gameSummaryValueText(m_home)), toQString(gameSummaryValueText(m_visitor)));
    m_chart->setChart(summaryChart(m_game, m_home, m_visitor, m_context.settings.league));
}

void GameSummaryWindow::print()
{
    GameSummaryPrintout printout("Game Summary", m_game.info.homeTeamName, m_game.info.visitorTeamName, m_home,
                                 m_visitor);
    previewPrint(m_context, printout, this);
}

} // namespace yardmark
