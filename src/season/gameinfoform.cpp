#include "gameinfoform.h"

#include "base/text.h"
#include "records/recordcodec.h"

#include <cstdio>

namespace yardmark {
namespace {

// A new game's officials and field hold a single blank; the boxes show it as empty.
constexpr const char *kBlankText = " ";

std::string shownText(const std::string &stored)
{
    return stored == kBlankText ? std::string() : stored;
}

std::string storedText(const std::string &typed)
{
    return typed.empty() ? std::string(kBlankText) : fitText(typed, kNameWidth);
}

std::optional<int> readNumber(std::string_view text)
{
    int value = 0;
    if (!takeLeadingInt(text, value))
        return std::nullopt;
    return value;
}

std::string seasonText(int season)
{
    char text[16];
    std::snprintf(text, sizeof text, "%5d", season);
    return text;
}

struct OfficialBox {
    std::string GameInfoForm::*box;
    std::string GameInfo::*field;
};

constexpr OfficialBox kOfficialBoxes[] = {
    {&GameInfoForm::field, &GameInfo::fieldName},     {&GameInfoForm::referee, &GameInfo::referee},
    {&GameInfoForm::umpire, &GameInfo::umpire},       {&GameInfoForm::headLinesman, &GameInfo::headLinesman},
    {&GameInfoForm::lineJudge, &GameInfo::lineJudge}, {&GameInfoForm::fieldJudge, &GameInfo::fieldJudge},
    {&GameInfoForm::sideJudge, &GameInfo::sideJudge}, {&GameInfoForm::backJudge, &GameInfo::backJudge},
};

} // namespace

GameInfoForm gameInfoForm(const Game &game, const DateTime &today)
{
    GameInfoForm form;
    form.homeTeamName = game.info.homeTeamName;
    form.visitorTeamName = game.info.visitorTeamName;
    if (game.isNewGame) {
        form.date = monthDayYearText(dateOf(today));
        form.time = startTimeText(12, 0);
        form.season = std::to_string(today.year);
        return form;
    }
    const GameInfo &info = game.info;
    form.homeSelected = form.visitorSelected = true;
    form.date = monthDayYearText(info.gameMonth, info.gameDay, info.gameYear);
    form.time = startTimeText(info.startHour, info.startMinute);
    form.season = std::to_string(info.season);
    for (const OfficialBox &official : kOfficialBoxes)
        form.*official.box = shownText(info.*official.field);
    return form;
}

std::string startTimeText(int hour, int minute)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string seasonUp(std::string_view shown)
{
    int season = readNumber(shown).value_or(0);
    if (season < 0)
        season = 0;
    return seasonText(season >= 9999 ? 9999 : season + 1);
}

std::string seasonDown(std::string_view shown)
{
    const int season = readNumber(shown).value_or(0);
    const int earlier = season <= 0 ? 0 : season - 1;
    return seasonText(earlier <= 0 || earlier > 9999 ? 9999 : earlier);
}

std::string teamPanelText(const Team &team)
{
    return "Name: " + team.name + "\nCoach: " + team.coach + "\nAssistant: " + team.assistant + "\n";
}

void selectGameTeam(Game &game, GameInfoForm &form, bool home, Team team, const std::string &path)
{
    team.fileName = path;
    team.rosterOnly = true;
    (home ? form.homeTeamName : form.visitorTeamName) = team.name;
    (home ? form.homeSelected : form.visitorSelected) = true;
    (home ? game.homeTeam : game.visitorTeam) = std::move(team);
}

std::optional<Notice> editTeamRefusal(const GameInfoForm &form, bool home)
{
    if (!(home ? form.homeSelected : form.visitorSelected))
        return kSelectTeamFirst;
    return std::nullopt;
}

std::optional<Notice> endingRefusal(const GameInfoForm &form, GameInfoEnding ending)
{
    if (form.homeSelected && form.visitorSelected)
        return std::nullopt;
    return ending == GameInfoEnding::Ok ? kCannotSaveWithoutTeams : kTeamsNotSelected;
}

void storeGameInfoForm(const GameInfoForm &form, Game &game)
{
    GameInfo &info = game.info;
    if (const std::optional<int> season = readNumber(form.season))
        info.season = *season;
    if (const std::optional<CalendarDate> date = readTypedDate(form.date)) {
        info.gameMonth = static_cast<std::uint8_t>(date->month);
        info.gameDay = static_cast<std::uint8_t>(date->day);
        info.gameYear = date->year;
    }
    std::string_view time = form.time;
    int hour = 0;
    int minute = 0;
    if (takeLeadingInt(time, hour) && !time.empty() && time.front() == ':') {
        time.remove_prefix(1);
        if (takeLeadingInt(time, minute) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59) {
            info.startHour = hour;
            info.startMinute = minute;
        }
    }
    for (const OfficialBox &official : kOfficialBoxes)
        info.*official.field = storedText(form.*official.box);
    info.homeTeamName = fitText(form.homeTeamName, kNameWidth);
    info.visitorTeamName = fitText(form.visitorTeamName, kNameWidth);
    game.isNewGame = true;
}

} // namespace yardmark
