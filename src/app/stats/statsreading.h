#pragma once

#include <cstddef>
#include <functional>
#include <optional>

class QWidget;

namespace yardmark {

/// Tells how many game files are read; false asks the reader to stop.
using ReadingProgress = std::function<bool(std::size_t done)>;

/// Runs `job` off the user-interface thread while the window stays
/// responsive; when it takes more than a moment a progress bar over `files`
/// game files appears with "Cancel". True when the job ran to its end, false
/// when the user cancelled (the job has then stopped and its result must not
/// be shown).
bool runReading(QWidget *parent, std::size_t files, const std::function<void(const ReadingProgress &)> &job);

/// The same for a job with a result: nothing when cancelled.
template <typename Result, typename Job>
std::optional<Result> readWithProgress(QWidget *parent, std::size_t files, Job job)
{
    std::optional<Result> result;
    if (!runReading(parent, files, [&](const ReadingProgress &progress) { result = job(progress); }))
        return std::nullopt;
    return result;
}

/// How long a reading runs before its progress bar appears, in milliseconds.
void setReadingProgressDelay(int milliseconds);

} // namespace yardmark
