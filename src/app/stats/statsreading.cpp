#include "app/stats/statsreading.h"

#include "app/common/postedwork.h"
#include "session/latestworker.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <climits>
#include <exception>

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
    // The reading is over when the worker hands back what it left (the
    // worker's hand-over orders it before this thread goes on).
    std::exception_ptr failure;
    PostedWork handOver(&loop);
    LatestWorker reader(handOver.runLater());
    reader.post([&]() -> std::function<void()> {
        try {
            job(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        return [&loop] { loop.quit(); };
    });
    loop.exec();
    if (failure)
        std::rethrow_exception(failure);
    return !stop.load() && !dialog.wasCanceled();
}

} // namespace yardmark
