#include "scheduleform.h"

#include "calendardate.h"

#include "base/text.h"
#include "records/recordcodec.h"
#include "records/teamfile.h"

#include <cstdio>

namespace yardmark {
namespace {

// The hour and minute of a time typed as hour:minute; a missing minute is 0.
void readTime(std::string_view text, std::int32_t &hour, std::int32_t &minute)
{
    hour = leadingInt(text);
    const std::size_t colon = text.find(':');
    minute = colon == std::string_view::npos ? 0 : leadingInt(text.substr(colon + 1));
    // Out-of-range times fall back to noon and the full hour; negative values
    // count as out of range too, so that no list ever shows "-3:-5".
    if (hour > 24 || hour < 0)
        hour = 12;
    if (minute >= 60 || minute < 0)
        minute = 0;
}

std::string versusText(const std::string &home, const std::string &visitor)
{
    return home + " vs. " + visitor;
}

bool hasSelection(const ScheduleEditor &editor)
{
    return editor.selected >= 0 && editor.selected < editor.schedule.count();
}

ScheduleEntry *selectedEntry(ScheduleEditor &editor)
{
    return hasSelection(editor) ? &editor.schedule.entries[editor.selected] : nullptr;
}

const ScheduleEntry *selectedEntry(const ScheduleEditor &editor)
{
    return hasSelection(editor) ? &editor.schedule.entries[editor.selected] : nullptr;
}

} // namespace

TeamLoader teamFileLoader()
{
    return [](const std::string &path, Team &team) { return loadTeamFile(team, path); };
}

TeamLoader movedTeamLoader(TeamLoader load, std::string scheduleFile)
{
    return [load = std::move(load), scheduleFile = std::move(scheduleFile)](const std::string &path, Team &team) {
        for (const std::string &candidate : eventFileCandidates(path, scheduleFile)) {
            if (load(candidate, team))
                return true;
        }
        return false;
    };
}

std::vector<std::string> eventListTexts()
{
    std::vector<std::string> texts;
    for (int code = 1; code < kEventTypeCount; ++code)
        texts.emplace_back(eventTypeText(code));
    return texts;
}

void readScheduleForm(const ScheduleForm &form, ScheduleEntry &entry, const DateTime &today)
{
    const CalendarDate date = typedDateOrToday(form.date, today);
    entry.year = date.year;
    entry.day = static_cast<std::uint8_t>(date.day);
    entry.month = static_cast<std::uint8_t>(date.month);
    readTime(form.time, entry.hour, entry.minute);
    entry.field = fitText(form.field, kScheduleNameWidth);
    entry.homeTeamName = fitText(form.homeTeam, kScheduleNameWidth);
    entry.visitorTeamName = fitText(form.visitorTeam, kScheduleNameWidth);
    entry.note = fitText(form.note, kScheduleNoteWidth);
    entry.eventType = form.eventIndex + 1;
}

ScheduleForm formForEntry(const ScheduleEntry &entry)
{
    ScheduleForm form;
    form.date = monthDayYearText(entry.month, entry.day, entry.year);
    form.time = listTimeText(entry.hour, entry.minute);
    form.field = entry.field;
    form.eventIndex = entry.eventType >= 1 && entry.eventType < kEventTypeCount ? entry.eventType - 1 : -1;
    form.note = entry.note;
    form.homeTeam = entry.homeTeamName;
    form.visitorTeam = entry.visitorTeamName;
    if (entry.hasGameFile())
        form.game = versusText(entry.homeTeamName, entry.visitorTeamName);
    return form;
}

void showStoredEvent(ScheduleEditor &editor)
{
    editor.form = formForEntry(editor.scratch);
}

void selectScheduleEntry(ScheduleEditor &editor, int index)
{
    editor.selected = index >= 0 && index < editor.schedule.count() ? index : -1;
    if (const ScheduleEntry *entry = selectedEntry(editor)) {
        editor.scratch = *entry;
        editor.form = formForEntry(*entry);
    }
}

void addScheduleEvent(ScheduleEditor &editor, const DateTime &today)
{
    readScheduleForm(editor.form, editor.scratch, today);
    editor.schedule.append(editor.scratch);
}

bool deleteScheduleEvent(ScheduleEditor &editor)
{
    if (!editor.schedule.remove(editor.selected))
        return false;
    editor.selected = -1;
    return true;
}

bool updateScheduleEvent(ScheduleEditor &editor, const DateTime &today)
{
    ScheduleEntry *entry = selectedEntry(editor);
    if (!entry)
        return false;
    readScheduleForm(editor.form, editor.scratch, today);
    *entry = editor.scratch;
    return true;
}

void clearScheduleForm(ScheduleEditor &editor)
{
    editor.form = ScheduleForm{};
    editor.scratch = ScheduleEntry{};
}

void sortScheduleByColumn(ScheduleEditor &editor, ScheduleColumn column)
{
    editor.sortOrder.sortBy(editor.schedule, column);
    editor.selected = -1;
}

bool canChooseScheduleTeam(const ScheduleEditor &editor)
{
    return !editor.scratch.hasGameFile();
}

void setScheduleTeam(ScheduleEditor &editor, ScheduleSide side, const std::string &path, const Team &team)
{
    const std::string name = fitText(team.name, kScheduleNameWidth);
    if (side == ScheduleSide::Home) {
        editor.scratch.homeTeamFile = fitText(path, kPathWidth);
        editor.scratch.homeTeamName = name;
        editor.form.homeTeam = name;
    } else {
        editor.scratch.visitorTeamFile = fitText(path, kPathWidth);
        editor.scratch.visitorTeamName = name;
        editor.form.visitorTeam = name;
    }
}

std::string teamButtonText(const ScheduleEditor &editor, ScheduleSide side)
{
    if (editor.scratch.hasGameFile())
        return "N/A";
    const std::string &file = side == ScheduleSide::Home ? editor.scratch.homeTeamFile : editor.scratch.visitorTeamFile;
    return file.empty() ? "Create" : "Edit";
}

std::string gameButtonText(const ScheduleEditor &editor)
{
    return editor.scratch.hasGameFile() ? "Edit" : "Start";
}

void setScheduleGame(ScheduleEditor &editor, const std::string &path, const Game &game)
{
    editor.scratch.gameFile = fitText(path, kPathWidth);
    editor.form.game = versusText(game.info.homeTeamName, game.info.visitorTeamName);
    editor.form.homeTeam = game.info.homeTeamName;
    editor.form.visitorTeam = game.info.visitorTeamName;
    editor.form.field = game.info.fieldName;
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d", game.info.startHour, game.info.startMinute);
    editor.form.time = time;
}

ScheduleGameAction scheduleGameAction(const ScheduleEditor &editor)
{
    const ScheduleEntry *entry = selectedEntry(editor);
    if (!entry)
        return ScheduleGameAction::AskToAddEvent;
    if (entry->hasGameFile())
        return ScheduleGameAction::StartRecordedGame;
    if (!entry->homeTeamFile.empty() && !entry->visitorTeamFile.empty())
        return ScheduleGameAction::CreateGame;
    return ScheduleGameAction::TeamsNotSelected;
}

ScheduleGameAction addEventBeforeStarting(ScheduleEditor &editor, const DateTime &today)
{
    addScheduleEvent(editor, today);
    editor.selected = editor.schedule.count() - 1;
    return scheduleGameAction(editor);
}

std::optional<Game> gameForScheduleEvent(const ScheduleEditor &editor, const TeamLoader &loadTeam,
                                         const DateTime &today)
{
    const ScheduleEntry *entry = selectedEntry(editor);
    if (!entry)
        return std::nullopt;
    Game game = newGame();
    // Teams inside a game carry no personal information.
    game.homeTeam.rosterOnly = true;
    game.visitorTeam.rosterOnly = true;
    if (!loadTeam(entry->homeTeamFile, game.homeTeam) || !loadTeam(entry->visitorTeamFile, game.visitorTeam))
        return std::nullopt;
    const CalendarDate date = typedDateOrToday(editor.form.date, today);
    game.info.gameYear = date.year;
    game.info.gameDay = static_cast<std::uint8_t>(date.day);
    game.info.gameMonth = static_cast<std::uint8_t>(date.month);
    game.info.homeTeamName = entry->homeTeamName;
    game.info.visitorTeamName = entry->visitorTeamName;
    return game;
}

void takeEventDetails(Game &game, const ScheduleEntry &entry)
{
    game.info.startHour = entry.hour;
    game.info.startMinute = entry.minute;
    if (!entry.field.empty())
        game.info.fieldName = entry.field;
    game.info.season = game.info.gameYear;
    game.isNewGame = false;
}

std::string missingEventTeamFile(const ScheduleEditor &editor, const TeamLoader &loadTeam)
{
    const ScheduleEntry *entry = selectedEntry(editor);
    if (!entry)
        return {};
    for (const std::string *path : {&entry->homeTeamFile, &entry->visitorTeamFile}) {
        Team team;
        team.rosterOnly = true;
        if (!loadTeam(*path, team))
            return *path;
    }
    return {};
}

ScheduleEntry recordedGameEvent(const Game &game, const std::string &homeTeamFile, const std::string &visitorTeamFile,
                                const std::string &gameFile)
{
    ScheduleEntry entry;
    entry.eventType = static_cast<std::int32_t>(EventType::Game);
    entry.year = game.info.gameYear;
    entry.month = game.info.gameMonth;
    entry.day = game.info.gameDay;
    entry.hour = game.info.startHour;
    entry.minute = game.info.startMinute;
    entry.field = fitText(game.info.fieldName, kScheduleNameWidth);
    entry.homeTeamName = fitText(game.info.homeTeamName, kScheduleNameWidth);
    entry.visitorTeamName = fitText(game.info.visitorTeamName, kScheduleNameWidth);
    entry.homeTeamFile = fitText(homeTeamFile, kPathWidth);
    entry.visitorTeamFile = fitText(visitorTeamFile, kPathWidth);
    entry.gameFile = fitText(gameFile, kPathWidth);
    return entry;
}

void setEventGameFile(Schedule &schedule, int index, const std::string &path)
{
    if (index >= 0 && index < schedule.count())
        schedule.entries[index].gameFile = fitText(path, kPathWidth);
}

} // namespace yardmark
