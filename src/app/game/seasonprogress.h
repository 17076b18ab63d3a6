#pragma once

#include <QWidget>

#include <functional>

class QProgressBar;
class QTimer;

namespace yardmark {

class LiveKeeper;

/// The game window's line "Reading the season ..." with its bar and Cancel,
/// shown only when reading the season takes long (a slow network share):
/// cancelled, the live page goes on without the season.
class SeasonProgress final : public QWidget {
    Q_OBJECT

public:
    /// Follows `keeper` until its season is read; shows itself after `delay`
    /// milliseconds of reading.
    SeasonProgress(LiveKeeper &keeper, int delay, QWidget *parent = nullptr);
    /// The season has been read: the line goes.
    void finished();

private:
    void poll();

    LiveKeeper &m_keeper;
    QProgressBar *m_bar = nullptr;
    QTimer *m_timer = nullptr;
    int m_waited = 0;
    int m_delay = 0;
};

} // namespace yardmark
