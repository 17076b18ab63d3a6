#include "app/stats/statsreading.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <climits>
#include <exception>
#include <thread>

namespace yardmark {
namespace {

int progressDelay = 400;

} // namespace

void setReadingProgressDelay(int milliseconds)
{
    progressDelay = milliseconds;
}

bool runReading(QWidget *parent, std::size_t files, const std::function<void(const ReadingProgress &)> &job)
{
    std::atomic<bool> stop{false};
    std::atomic<std::size_t> done{0};
    const ReadingProgress progress = [&stop, &done](std::size_t count) {
        done = count;
        return !stop.load();
    };

    QProgressDialog dialog(QStringLiteral("Reading game files..."), QStringLiteral("Cancel"), 0,
                           static_cast<int>(std::min<std::size_t>(files, INT_MAX)), parent);
    dialog.setObjectName(QStringLiteral("readingProgress"));
    dialog.setWindowTitle(QStringLiteral("Statistics"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(progressDelay);
    dialog.setValue(0);

    QEventLoop loop;
    // The bar follows the reader, and Cancel reaches it, from the window's own thread.
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (dialog.wasCanceled())
            stop = true;
        else
            dialog.setValue(static_cast<int>(std::min<std::size_t>(done.load(), INT_MAX)));
    });
    poll.start();
    // A thread of its own, joined here, so that what the job leaves is handed
    // to this thread by the join itself.
    std::exception_ptr failure;
    std::thread reader([&] {
        try {
            job(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    reader.join();
    if (failure)
        std::rethrow_exception(failure);
    return !stop.load() && !dialog.wasCanceled();
}

} // namespace yardmark
