#include "teamexport.h"

#include "base/atomicfile.h"
#include "base/text.h"
#include "base/userinterface.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "records/teamfile.h"
#include "reports/csv.h"
#include "reports/html.h"
#include "vocabulary/vocabulary.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace yardmark {
namespace {

constexpr std::size_t kTeamDataLines = 7;

std::string numberText(std::int32_t number)
{
    return number == -1 ? "00" : std::to_string(number);
}

std::string birthdayText(const PersonalInfo &info)
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", info.birthMonth, info.birthDay, info.birthYear);
    return text;
}

// The player's contact fields in the order of the lists, the birthday as text.
constexpr std::size_t kEmailText = 6;
std::array<std::string, 8> personalTexts(const PersonalInfo &info)
{
    return {info.phone, info.address, info.city, info.state, info.zip, birthdayText(info), info.email, info.note};
}

const PersonalInfo &personalInfoOf(const Team &team, std::size_t i)
{
    static const PersonalInfo none;
    return i < team.personalInfo.size() ? team.personalInfo[i] : none;
}

} // namespace

void writeTeamCsv(std::ostream &out, const Team &team, bool personal)
{
    out << "Team," << csvField(team.name) << '\n'
        << "Coach," << csvField(team.coach) << ",Assistant," << csvField(team.assistant) << '\n'
        << "QuarterBack," << csvField(team.currentQuarterback) << '\n'
        << "CurrentKicker," << csvField(team.currentKicker) << '\n'
        << "CurrentFieldGoalKicker," << csvField(team.currentFieldGoalKicker) << '\n'
        << "CurrentPunter," << csvField(team.currentPunter) << '\n'
        << "TeamLogo," << csvField(team.logoFile) << '\n'
        << "#,Name,Pos,Starter Status";
    if (personal)
        out << ",Phone,Address,City,State,Zip,Birthday,E-mail,Note";
    out << '\n';
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const PlayerRecord &player = team.players[i];
        out << numberText(player.number) << ',' << csvField(player.name) << ','
            << positionName(player.offensivePosition) << ',' << starterKeyword(player.starterStatus);
        if (personal) {
            for (const std::string &text : personalTexts(personalInfoOf(team, i)))
                out << ',' << csvField(text);
        }
        out << '\n';
    }
}

void writeTeamHtml(std::ostream &out, const Team &team, bool personal, bool appending, const HtmlOptions &options,
                   const DateTime &now)
{
    const FontTags font = makeFontTags(options);
    const std::string header = colorText(options.htmlHeaderColor);
    const int columns = personal ? 12 : 4;
    if (!appending)
        writePageHead(out, team.name);
    out << "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n";
    out << "\n\t<th colspan=" << columns << " bgcolor=" << header << '>' << font.header << htmlEscape(team.name)
        << font.end << "</th>\n";

    const std::pair<const char *, const std::string *> staff[] = {
        {"Coach :", &team.coach},
        {"Assistant :", &team.assistant},
        {"Quarter Back :", &team.currentQuarterback},
        {"Kicker :", &team.currentKicker},
        {"Field Goal Kicker :", &team.currentFieldGoalKicker},
        {"Punter :", &team.currentPunter},
    };
    for (const auto &[label, value] : staff) {
        out << "\n\t<tr bgcolor=" << header << "><td colspan=" << columns << " align=left><b>" << font.header << label
            << font.end << "</b>" << font.body << "&nbsp;" << htmlEscape(*value) << font.end << "</td>";
    }

    out << "\n\t<tr bgcolor=" << header << '>';
    std::vector<const char *> titles = {"#", "Name", "Pos", "Starter Status"};
    if (personal)
        titles.insert(titles.end(), {"Phone Number", "Address", "City", "State", "Zip", "Birthday", "E-mail", "Note"});
    for (const char *title : titles)
        out << "<td align=center><b>" << font.header << title << font.end << "</b></td>";
    out << "</tr>\n";

    const std::string primary = colorText(options.htmlPrimaryRowColor);
    const std::string alternate = colorText(options.htmlAlternateRowColor);
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const PlayerRecord &player = team.players[i];
        out << "\n\t<tr bgcolor=" << (i % 2 == 0 ? primary : alternate) << "><td align=center>" << font.body
            << numberText(player.number) << font.end << "</td><td align=left>" << font.body << htmlEscape(player.name)
            << font.end << "</td><td align=left>" << font.body << positionName(player.offensivePosition) << font.end
            << "</td><td align=left>" << font.body << starterKeyword(player.starterStatus) << font.end << "</td>";
        if (personal) {
            const auto texts = personalTexts(personalInfoOf(team, i));
            for (std::size_t f = 0; f < texts.size(); ++f) {
                const std::string text = htmlEscape(texts[f]);
                const bool email = f == kEmailText;
                out << "<td align=left>" << font.body << "&nbsp;"
                    << (email ? "<a href=\"mailto:" + text + "\">" + text + "</a>" : text) << font.end << "</td>";
            }
        }
        out << "</tr>";
    }
    writeFooter(out, now);
}

bool exportTeam(const Team &team, const std::string &path, ExportFormat format, bool append, bool personal,
                const HtmlOptions &options)
{
    return exportToFile(path, format, append, [&](std::ostream &out, bool html, bool appending) {
        if (html)
            writeTeamHtml(out, team, personal, appending, options, currentDateTime());
        else
            writeTeamCsv(out, team, personal);
    });
}

namespace {

// The leading whole number of `text`, as far as it goes; false when it does
// not start with one.
bool takeInt(std::string_view &text, std::int32_t &value)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::size_t digits = i + (i < text.size() && (text[i] == '-' || text[i] == '+') ? 1 : 0);
    const std::size_t start = digits;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
        ++digits;
    if (digits == start)
        return false;
    value = leadingInt(text.substr(0, digits));
    text.remove_prefix(digits);
    return true;
}

// "month/day/year" as written by the export: three numbers are kept as read
// (the month and day as the bytes the record holds), "00/00/0000" of a player
// without a birthday included, so that an exported team reads back the same.
// Whether a date is a real one is the address list's question, not the
// reader's. Anything else (a date cut short, or a column shifted by a stray
// quote) leaves today's date, never a half-read one.
void readBirthday(std::string_view text, PersonalInfo &info)
{
    std::int32_t month = 0, day = 0, year = 0;
    const auto slash = [&text] {
        if (text.empty() || text.front() != '/')
            return false;
        text.remove_prefix(1);
        return true;
    };
    if (!takeInt(text, month) || !slash() || !takeInt(text, day) || !slash() || !takeInt(text, year))
        return;
    if (text.find_first_not_of(" \t") != std::string_view::npos)
        return;
    info.birthMonth = static_cast<std::uint8_t>(month);
    info.birthDay = static_cast<std::uint8_t>(day);
    info.birthYear = year;
}

std::string field(const std::vector<std::string> &fields, std::size_t i)
{
    return i < fields.size() ? fields[i] : std::string();
}

PlayerRecord readPlayer(const std::vector<std::string> &fields)
{
    PlayerRecord player{std::string(), 0, 0, 0, 0};
    const std::string number = field(fields, 0);
    player.number = number == "00" || number == "-1" ? -1 : leadingInt(number);
    player.name = fitText(field(fields, 1), kNameWidth);
    player.offensivePosition = positionFromName(field(fields, 2));
    player.starterStatus = starterFromKeyword(field(fields, 3));
    return player;
}

PersonalInfo readPersonalInfo(const std::vector<std::string> &fields)
{
    PersonalInfo info = newPersonalInfo();
    info.phone = fitText(field(fields, 4), kPhoneWidth);
    info.address = fitText(field(fields, 5), kAddressWidth);
    info.city = fitText(field(fields, 6), kCityWidth);
    info.state = fitText(field(fields, 7), kStateWidth);
    info.zip = fitText(field(fields, 8), kZipWidth);
    if (fields.size() > 9)
        readBirthday(fields[9], info);
    info.email = fitText(field(fields, 10), kEmailWidth);
    info.note = fitText(field(fields, 11), kNoteWidth);
    return info;
}

// Line 2 holds the coach after the first comma and the assistant after the
// third; a list written without quoting keeps any further commas in the
// assistant's name.
std::string afterThirdComma(const std::vector<std::string> &fields)
{
    std::string text = field(fields, 3);
    for (std::size_t i = 4; i < fields.size(); ++i)
        text += ',' + fields[i];
    return text;
}

} // namespace

bool importTeamCsv(std::istream &in, Team &team, const std::string &path, std::size_t maxPlayers)
{
    team.fileName = path;
    // The text after the first comma of each of the first lines; line 2 also
    // holds the assistant.
    std::string *const teamData[kTeamDataLines] = {
        &team.name,          &team.coach,   &team.currentQuarterback, &team.currentKicker, &team.currentFieldGoalKicker,
        &team.currentPunter, &team.logoFile};
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::size_t line = 0;
    while (reader.next(fields)) {
        if (reader.blank())
            continue;
        for (std::string &text : fields)
            text = std::string(csvCellText(text));
        ++line;
        if (line <= kTeamDataLines) {
            *teamData[line - 1] = fitText(field(fields, 1), line == kTeamDataLines ? kPathWidth : kNameWidth);
            if (line == 2)
                team.assistant = fitText(afterThirdComma(fields), kNameWidth);
        } else if (line > kTeamDataLines + 1) { // after the column headings
            if (team.players.size() == maxPlayers)
                return false;
            addPlayer(team, readPlayer(fields), readPersonalInfo(fields));
        }
    }
    sortRoster(team, RosterSortKey::Name, true);
    return true;
}

bool importTeamCsv(Team &team, const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxTextInputSize))
        return false;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    Team read = team;
    if (!importTeamCsv(in, read, path))
        return false;
    team = std::move(read);
    return true;
}

namespace {

bool fileExists(const std::string &path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool endsWithHtm(std::string_view path)
{
    return path.size() >= 3 && equalsIgnoringCase(path.substr(path.size() - 3), "htm");
}

} // namespace

std::optional<TeamSaveChoice> askExportFile(UserInterface &ui, bool offerTeamFile, const std::string &proposed)
{
    ui.playSound(kClickSound);
    FileRequest request;
    request.title = "Select file name to save as";
    request.filters = "Comma Delimited Format (*.csv)|*.csv|HTML (Web Page) Format (*.htm)|*.htm|";
    if (offerTeamFile)
        request.filters = "Team File (*.tem)|*.tem|" + request.filters;
    request.defaultExtension = offerTeamFile ? "tem" : "csv";
    request.initialPath = proposed;
    request.confirmOverwrite = false; // the questions below ask what to do with an existing file
    const std::optional<FileChoice> file = ui.chooseSaveFile(request);
    if (!file)
        return std::nullopt;
    TeamSaveChoice choice;
    choice.path = file->path;
    const int listIndex = file->filterIndex - (offerTeamFile ? 1 : 0);
    choice.type = listIndex < 0 ? TeamSaveType::TeamFile : listIndex == 1 ? TeamSaveType::Html : TeamSaveType::Csv;
    if (endsWithHtm(choice.path))
        choice.type = TeamSaveType::Html;
    if (!fileExists(choice.path))
        return choice;
    const auto ask = [&ui, &choice](const char *question) {
        ui.playSound(kClickSound);
        return ui.message(question, choice.path, MessageButtons::YesNo, MessageIcon::Question) == MessageAnswer::Yes;
    };
    if (choice.type != TeamSaveType::TeamFile)
        choice.append = ask("This file already exists.  Would you like to append to it?");
    if (!choice.append && !ask("Overwrite Existing File?"))
        return std::nullopt;
    return choice;
}

std::optional<TeamSaveChoice> askTeamSaveChoice(UserInterface &ui, const std::string &proposed)
{
    std::optional<TeamSaveChoice> choice = askExportFile(ui, true, proposed);
    if (choice && choice->type != TeamSaveType::TeamFile)
        choice->personal = ui.message("Include Player's Personal Info ?", "Save Team", MessageButtons::YesNo,
                                      MessageIcon::Question) == MessageAnswer::Yes;
    return choice;
}

bool saveTeamAs(Team &team, const TeamSaveChoice &choice, const HtmlOptions &options)
{
    if (choice.type == TeamSaveType::TeamFile)
        return writeTeamFile(team, choice.path);
    return exportTeam(team, choice.path, choice.type == TeamSaveType::Html ? ExportFormat::Html : ExportFormat::Csv,
                      choice.append, choice.personal, options);
}

} // namespace yardmark
