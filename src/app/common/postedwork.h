#pragma once

#include "session/latestworker.h"

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

namespace yardmark {

/// Hands work from a worker to the thread of its parent: the work waits in a
/// queue behind a standard lock (which ThreadSanitizer sees, unlike Qt's own
/// event queue) and runs there once the parent's thread is back in its event
/// loop. Gone with its parent; whatever waits then is dropped.
class PostedWork final : public QObject {
    Q_OBJECT

public:
    explicit PostedWork(QObject *parent);

    /// What a `LatestWorker` hands its results through.
    RunLater runLater();

    Q_INVOKABLE void runQueued();

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_queue;
};

} // namespace yardmark
