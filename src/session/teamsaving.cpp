#include "teamsaving.h"

#include "filerequests.h"

#include "base/safefile.h"
#include "base/text.h"
#include "base/userinterface.h"
#include "records/teamfile.h"
#include "season/teamexport.h"

namespace yardmark {
namespace {

bool isCsvPath(const std::string &path)
{
    return path.size() >= 4 && equalsIgnoringCase(std::string_view(path).substr(path.size() - 4), ".csv");
}

void warn(UserInterface &ui, const char *text, const char *caption, int sound)
{
    ui.playSound(sound);
    ui.message(text, caption, MessageButtons::Ok, MessageIcon::Warning);
}

void reportTeamNotSaved(UserInterface &ui)
{
    warn(ui, "Can't save team!", "Disk Full?", kWarningSound);
}

} // namespace

std::optional<Team> readTeamToEdit(UserInterface &ui, const std::string &path)
{
    Team team;
    team.rosterOnly = false;
    const bool read = isCsvPath(path) ? importTeamCsv(team, path) : loadTeamFile(team, path);
    if (!read) {
        // A pipe, device or huge file is named as what it is.
        const std::string refused = fileRefusalText(path);
        warn(ui, refused.empty() ? "Can't load team !" : refused.c_str(),
             refused.empty() ? "File corrupt ?" : "Can't load team !", kLoadFailedSound);
        return std::nullopt;
    }
    return team;
}

bool editAndSaveTeam(UserInterface &ui, Team &team, const TeamEdit &edit)
{
    if (!edit(team))
        return false;
    bool cancelled = false;
    const TeamFileChooser choose = [&ui, &cancelled](const std::string &proposed) -> std::optional<std::string> {
        FileRequest request = teamFileRequest("Save Team As");
        request.initialPath = proposed;
        const std::optional<FileChoice> file = ui.chooseSaveFile(request);
        cancelled = !file;
        if (!file)
            return std::nullopt;
        return file->path;
    };
    if (saveTeam(team, choose))
        return true;
    if (!cancelled)
        reportTeamNotSaved(ui);
    return false;
}

void saveTeamAsAsked(UserInterface &ui, Team &team, const HtmlOptions &html)
{
    const std::optional<TeamSaveChoice> choice = askTeamSaveChoice(ui, team.fileName);
    if (choice && !saveTeamAs(team, *choice, html))
        reportTeamNotSaved(ui);
}

} // namespace yardmark
