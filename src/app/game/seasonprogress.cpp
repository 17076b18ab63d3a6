#include "app/game/seasonprogress.h"

#include "session/livekeeper.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace yardmark {

namespace {

constexpr int kPollInterval = 100;

} // namespace

SeasonProgress::SeasonProgress(LiveKeeper &keeper, int delay, QWidget *parent)
    : QWidget(parent), m_keeper(keeper), m_delay(delay)
{
    setObjectName(QStringLiteral("seasonProgress"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(QStringLiteral("Reading the season ..."));
    m_bar = new QProgressBar;
    m_bar->setObjectName(QStringLiteral("seasonProgressBar"));
    m_bar->setAccessibleName(label->text());
    label->setBuddy(m_bar);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancelSeason"));
    cancel->setAutoDefault(false);
    row->addWidget(label);
    row->addWidget(m_bar, 1);
    row->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_keeper.cancelSeason();
        finished();
    });
    hide();
    m_timer = new QTimer(this);
    m_timer->setInterval(kPollInterval);
    connect(m_timer, &QTimer::timeout, this, [this] { poll(); });
    if (m_keeper.readingSeason())
        m_timer->start();
}

void SeasonProgress::poll()
{
    if (!m_keeper.readingSeason()) {
        finished();
        return;
    }
    m_waited += kPollInterval;
    if (m_waited < m_delay)
        return;
    const LiveKeeper::Progress progress = m_keeper.seasonProgress();
    m_bar->setRange(0, static_cast<int>(std::min<std::size_t>(progress.total, INT_MAX)));
    m_bar->setValue(static_cast<int>(std::min<std::size_t>(progress.done, INT_MAX)));
    show();
}

void SeasonProgress::finished()
{
    m_timer->stop();
    hide();
}

} // namespace yardmark
