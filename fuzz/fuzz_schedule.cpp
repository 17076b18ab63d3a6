// A schedule file, damaged or hostile: the load succeeds or leaves the
// schedule as it was, and a loaded schedule saves and loads back to itself.

#include "fuzzcheck.h"

#include "season/schedule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace yardmark;
    const std::vector<std::uint8_t> bytes(data, data + size);
    Schedule before;
    before.fileName = "before.sch";
    before.append(ScheduleEntry{});
    Schedule schedule = before;
    if (!decodeSchedule(bytes, schedule)) {
        FUZZ_CHECK(schedule == before);
        return 0;
    }
    const std::vector<std::uint8_t> saved = encodeSchedule(schedule);
    FUZZ_CHECK(saved.size() == 12 + kScheduleEntrySize * schedule.entries.size());
    Schedule again;
    FUZZ_CHECK(decodeSchedule(saved, again));
    FUZZ_CHECK(again.entries == schedule.entries);
    FUZZ_CHECK(encodeSchedule(again) == saved);
    for (ScheduleColumn column : {ScheduleColumn::Date, ScheduleColumn::Note})
        again.sort(column, true);
    return 0;
}
