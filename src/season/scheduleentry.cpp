#include "scheduleentry.h"

#include "records/recordcodec.h"

namespace yardmark {

const char *eventTypeText(std::int32_t code)
{
    static constexpr const char *kTexts[kEventTypeCount] = {
        "No Event", "Practice", "Game", "Practice Game", "Team Meeting", "Workout", "Party",
    };
    if (code < 0 || code >= kEventTypeCount)
        return kTexts[0];
    return kTexts[code];
}

void encode(ByteWriter &out, const ScheduleEntry &entry)
{
    out.int32(entry.eventType);
    out.text(entry.field, kScheduleNameWidth);
    out.text(entry.homeTeamName, kScheduleNameWidth);
    out.text(entry.homeTeamFile, kPathWidth);
    out.text(entry.visitorTeamName, kScheduleNameWidth);
    out.text(entry.visitorTeamFile, kPathWidth);
    out.text(entry.gameFile, kPathWidth);
    for (std::uint8_t byte : entry.reserved1)
        out.uint8(byte);
    out.int32(entry.year);
    out.uint8(entry.day);
    out.uint8(entry.month);
    out.int32(entry.minute);
    out.int32(entry.hour);
    for (std::uint8_t byte : entry.reserved2)
        out.uint8(byte);
    out.text(entry.note, kScheduleNoteWidth);
}

ScheduleEntry decodeScheduleEntry(ByteReader &in)
{
    ScheduleEntry entry;
    entry.eventType = in.int32();
    entry.field = in.text(kScheduleNameWidth);
    entry.homeTeamName = in.text(kScheduleNameWidth);
    entry.homeTeamFile = in.text(kPathWidth);
    entry.visitorTeamName = in.text(kScheduleNameWidth);
    entry.visitorTeamFile = in.text(kPathWidth);
    entry.gameFile = in.text(kPathWidth);
    for (std::uint8_t &byte : entry.reserved1)
        byte = in.uint8();
    entry.year = in.int32();
    entry.day = in.uint8();
    entry.month = in.uint8();
    entry.minute = in.int32();
    entry.hour = in.int32();
    for (std::uint8_t &byte : entry.reserved2)
        byte = in.uint8();
    entry.note = in.text(kScheduleNoteWidth);
    return entry;
}

} // namespace yardmark
