#include "datetime.h"

#include <cerrno>
#include <cstdlib>

namespace yardmark {
namespace {

std::optional<DateTime> fixedNow;

DateTime fromTm(const std::tm &t)
{
    return DateTime{t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

// The thread-safe conversions: POSIX and the Windows C runtime name them and
// order their arguments differently.
void toUtc(std::time_t seconds, std::tm &t)
{
#ifdef _WIN32
    gmtime_s(&t, &seconds);
#else
    gmtime_r(&seconds, &t);
#endif
}

void toLocal(std::time_t seconds, std::tm &t)
{
#ifdef _WIN32
    localtime_s(&t, &seconds);
#else
    localtime_r(&seconds, &t);
#endif
}

std::optional<std::time_t> sourceDateEpoch()
{
    const char *text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text || !*text)
        return std::nullopt;
    char *end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0' || value < 0)
        return std::nullopt;
    return static_cast<std::time_t>(value);
}

} // namespace

DateTime dateTimeFromEpochUtc(std::time_t seconds)
{
    std::tm t{};
    toUtc(seconds, t);
    return fromTm(t);
}

DateTime currentDateTime()
{
    if (fixedNow)
        return *fixedNow;
    if (const auto epoch = sourceDateEpoch())
        return dateTimeFromEpochUtc(*epoch);
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    toLocal(now, t);
    return fromTm(t);
}

void setFixedNow(std::optional<DateTime> now)
{
    fixedNow = now;
}

} // namespace yardmark
