#include "app/common/postedwork.h"

#include <QMetaObject>

#include <utility>

namespace yardmark {

PostedWork::PostedWork(QObject *parent) : QObject(parent)
{
}

RunLater PostedWork::runLater()
{
    return [this](std::function<void()> work) {
        {
            const std::lock_guard lock(m_mutex);
            m_queue.push_back(std::move(work));
        }
        // By name: nothing of ours crosses the threads inside Qt's call.
        QMetaObject::invokeMethod(this, "runQueued", Qt::QueuedConnection);
    };
}

void PostedWork::runQueued()
{
    std::deque<std::function<void()>> now;
    {
        const std::lock_guard lock(m_mutex);
        now.swap(m_queue);
    }
    for (const std::function<void()> &work : now)
        work();
}

} // namespace yardmark
