#pragma once

#include "printout.h"

#include "season/schedule.h"

#include <cstddef>
#include <string>
#include <vector>

namespace yardmark {

/// The season schedule, one line per event, as many as fit above two lines
/// from the bottom of each page.
class SchedulePrintout : public Printout {
public:
    SchedulePrintout(std::string title, const Schedule &schedule);

private:
    bool drawPage(PageSurface &surface, int page) override;
    void rewind() override { m_next = 0; }

    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

/// The printed line of an event: date, time, event, "home vs. visitor",
/// "at field", and the note when there is one.
std::string schedulePrintLine(const ScheduleEntry &entry);

} // namespace yardmark
