#include "recentlist.h"

#include "calendardate.h"
#include "schedule.h"

#include "records/gamefile.h"

namespace yardmark {

std::vector<RecentRow> recentRows(const std::vector<RecentFile> &files)
{
    std::vector<RecentRow> rows;
    for (const RecentFile &file : files) {
        RecentRow row{file, {}, {}, false};
        const std::string path = file.path.string();
        if (file.kind == RecentKind::Game) {
            Game game;
            row.missing = !loadGame(game, path);
            if (!row.missing) {
                row.teams = teamName(game, true) + " Versus " + teamName(game, false);
                row.date = monthDayYearText(game.info.gameMonth, game.info.gameDay, game.info.gameYear);
            }
        } else {
            Schedule schedule;
            row.missing = loadSchedule(path, schedule) != ScheduleLoadResult::Loaded;
            if (!row.missing)
                row.teams = std::to_string(schedule.count()) + (schedule.count() == 1 ? " event" : " events");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace yardmark
