#include "schedule.h"

#include "base/atomicfile.h"
#include "base/bytecodec.h"
#include "records/teamfile.h"

#include <filesystem>

#include <utility>

namespace yardmark {
namespace {

constexpr std::size_t kHeaderBytes = 8;

template <typename T> int threeWay(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

void Schedule::append(const ScheduleEntry &entry)
{
    entries.push_back(entry);
}

bool Schedule::remove(int index)
{
    if (index < 0 || index >= count())
        return false;
    entries.erase(entries.begin() + index);
    if (entries.empty())
        entries.shrink_to_fit();
    return true;
}

int compareScheduleEntries(const ScheduleEntry &a, const ScheduleEntry &b, ScheduleColumn column)
{
    switch (column) {
    case ScheduleColumn::Date:
        if (a.year != b.year)
            return threeWay(a.year, b.year);
        if (a.month != b.month)
            return threeWay(a.month, b.month);
        return threeWay(a.day, b.day);
    case ScheduleColumn::Time:
        if (a.hour != b.hour)
            return threeWay(a.hour, b.hour);
        return threeWay(a.minute, b.minute);
    case ScheduleColumn::Event:
        return threeWay(a.eventType, b.eventType);
    case ScheduleColumn::Home:
        return a.homeTeamName.compare(b.homeTeamName);
    case ScheduleColumn::Visitor:
        return a.visitorTeamName.compare(b.visitorTeamName);
    case ScheduleColumn::GameFile:
        return a.gameFile.compare(b.gameFile);
    case ScheduleColumn::Field:
        return a.field.compare(b.field);
    case ScheduleColumn::Note:
        return a.note.compare(b.note);
    }
    return 0;
}

void Schedule::sort(ScheduleColumn column, bool descending)
{
    // A selection sort: each place takes the first smallest (or largest) entry
    // still unplaced, so the order of equal entries is the one users know.
    const std::size_t n = entries.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::size_t best = i;
        for (std::size_t j = i + 1; j < n; ++j) {
            const int order = compareScheduleEntries(entries[j], entries[best], column);
            if (descending ? order > 0 : order < 0)
                best = j;
        }
        if (best != i)
            std::swap(entries[i], entries[best]);
    }
}

void ScheduleSortOrder::sortBy(Schedule &schedule, ScheduleColumn column)
{
    bool &descending = m_descending[static_cast<int>(column)];
    schedule.sort(column, descending);
    descending = !descending;
}

std::vector<std::uint8_t> encodeSchedule(const Schedule &schedule)
{
    ByteWriter out;
    out.zeros(kHeaderBytes);
    out.int32(schedule.count());
    for (const ScheduleEntry &entry : schedule.entries)
        encode(out, entry);
    return out.take();
}

bool decodeSchedule(const std::vector<std::uint8_t> &bytes, Schedule &schedule)
{
    ByteReader in(bytes);
    in.skip(kHeaderBytes);
    const std::int32_t count = in.int32();
    if (!in.ok() || count < 0 || !in.fits(count, kScheduleEntrySize))
        return false;
    std::vector<ScheduleEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)
        entries.push_back(decodeScheduleEntry(in));
    if (!in.ok())
        return false;
    schedule.entries = std::move(entries);
    return true;
}

ScheduleLoadResult loadSchedule(const std::string &path, Schedule &schedule)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxRecordFileSize)) {
        const bool tooBig = lastFileRefusal() == FileRefusal::TooLarge;
        return tooBig ? ScheduleLoadResult::Damaged : ScheduleLoadResult::CannotOpen;
    }
    Schedule loaded;
    if (!decodeSchedule(bytes, loaded))
        return ScheduleLoadResult::Damaged;
    loaded.fileName = path;
    schedule = std::move(loaded);
    return ScheduleLoadResult::Loaded;
}

bool saveSchedule(const Schedule &schedule, const std::string &path)
{
    return writeFileAtomically(path, encodeSchedule(schedule));
}

} // namespace yardmark
