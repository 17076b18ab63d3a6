#include "scheduleevents.h"

#include "filerequests.h"
#include "schedulesession.h"

#include "base/userinterface.h"
#include "records/gamefile.h"
#include "records/teamfile.h"
#include "season/gameinfoform.h"

namespace yardmark {
namespace {

void warn(UserInterface &ui, std::string_view text, std::string_view caption, int sound = kLoadFailedSound)
{
    ui.playSound(sound);
    ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

} // namespace

bool chooseEventTeam(UserInterface &ui, ScheduleEditor &editor, ScheduleSide side)
{
    ui.playSound(kClickSound);
    if (!canChooseScheduleTeam(editor)) {
        warn(ui, kTeamsSetInGameFile.text, kTeamsSetInGameFile.caption);
        return false;
    }
    const std::optional<FileChoice> file =
        ui.chooseOpenFile(teamFileRequest(side == ScheduleSide::Home ? "Select Home Team" : "Select Visiting Team"));
    if (!file)
        return false;
    Team team;
    if (!loadTeamFile(team, file->path)) {
        warn(ui, kCannotLoadTeam.text, kCannotLoadTeam.caption);
        return false;
    }
    setScheduleTeam(editor, side, file->path, team);
    return true;
}

bool editEventTeam(UserInterface &ui, ScheduleEditor &editor, ScheduleSide side, const TeamEdit &edit)
{
    ui.playSound(kClickSound);
    if (editor.scratch.hasGameFile()) {
        warn(ui, kEditTeamThroughGame.text, kEditTeamThroughGame.caption);
        return false;
    }
    const std::string path = side == ScheduleSide::Home ? editor.scratch.homeTeamFile : editor.scratch.visitorTeamFile;
    Team team;
    team.rosterOnly = false;
    if (!path.empty() && !movedTeamLoader(teamFileLoader(), editor.schedule.fileName)(path, team)) {
        warn(ui, missingFileText("team", path), kMissingGameCaption);
        return false;
    }
    const std::string readFrom = team.fileName;
    if (!editAndSaveTeam(ui, team, edit))
        return false;
    // The team made or renamed here is the event's team; one saved back where
    // it was found keeps the name the event stores (beside the schedule).
    setScheduleTeam(editor, side, !path.empty() && team.fileName == readFrom ? path : team.fileName, team);
    return true;
}

bool selectEventGame(UserInterface &ui, ScheduleEditor &editor)
{
    ui.playSound(kClickSound);
    const std::optional<FileChoice> file = ui.chooseOpenFile(gameFileRequest("Select Game"));
    if (!file)
        return false;
    Game game;
    if (!loadGame(game, file->path)) {
        warn(ui, kCannotLoadSelectedGame.text, kCannotLoadSelectedGame.caption);
        return false;
    }
    setScheduleGame(editor, file->path, game);
    return true;
}

bool saveScheduleAs(UserInterface &ui, ScheduleEditor &editor)
{
    ui.playSound(kClickSound);
    const std::optional<FileChoice> file = ui.chooseSaveFile(scheduleFileRequest("Save Schedule As"));
    if (!file)
        return false;
    Schedule renamed = editor.schedule;
    renamed.fileName = file->path;
    if (!saveScheduleReporting(renamed, ui))
        return false;
    editor.schedule.fileName = file->path;
    return true;
}

} // namespace yardmark
