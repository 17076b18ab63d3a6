#include "teamfile.h"

#include "base/atomicfile.h"
#include "base/text.h"
#include "fileversions.h"
#include "recordcodec.h"

#include <algorithm>
#include <limits>

namespace yardmark {

void encodeTeamBlock(ByteWriter &out, const Team &team)
{
    out.text(team.fileName, kPathWidth);
    out.text(team.name, kNameWidth);
    out.text(team.coach, kNameWidth);
    out.text(team.assistant, kNameWidth);
    out.text(team.logoFile, kPathWidth);
    out.int32(team.reserved[1]);
    out.int32(team.reserved[2]);
    for (const std::string *current :
         {&team.currentQuarterback, &team.currentKicker, &team.currentFieldGoalKicker, &team.currentPunter})
        out.text(*current, kNameWidth);
    writeBlockHeader(out, static_cast<std::int32_t>(team.players.size()));
    for (const PlayerRecord &player : team.players)
        encode(out, player);
}

bool decodeTeamBlockInPlace(ByteReader &in, Team &team)
{
    in.skip(kPathWidth);
    in.text(kNameWidth, team.name);
    in.text(kNameWidth, team.coach);
    in.text(kNameWidth, team.assistant);
    in.text(kPathWidth, team.logoFile);
    team.reserved[1] = in.int32();
    team.reserved[2] = in.int32();
    for (std::string *current :
         {&team.currentQuarterback, &team.currentKicker, &team.currentFieldGoalKicker, &team.currentPunter})
        in.text(kNameWidth, *current);
    BlockHeader roster;
    if (!readBlockHeader(in, roster) || !in.fits(roster.count, playerRecordSize(roster.version)))
        return false;
    const auto count = static_cast<std::size_t>(roster.count);
    if (roster.version == kOldestFileVersion) {
        team.players.clear();
        for (std::size_t i = 0; i < count; ++i)
            team.players.push_back(decodeOldPlayerRecord(in));
    } else {
        team.players.resize(count);
        const std::uint8_t *bytes = in.bytes(count * kPlayerRecordSize);
        for (std::size_t i = 0; i < count; ++i)
            decodePlayerRecord(bytes + i * kPlayerRecordSize, team.players[i]);
    }
    team.personalInfo.assign(count, PersonalInfo{});
    return in.ok();
}

bool decodeTeamBlock(ByteReader &in, Team &team)
{
    Team read = team;
    if (!decodeTeamBlockInPlace(in, read))
        return false;
    read.players.shrink_to_fit();
    team = std::move(read);
    return true;
}

std::vector<std::uint8_t> encodeTeamFile(const Team &team)
{
    ByteWriter out;
    encodeTeamBlock(out, team);
    if (!team.rosterOnly) {
        for (std::size_t i = 0; i < team.players.size(); ++i)
            encode(out, i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo{});
    }
    return out.take();
}

bool decodeTeamFile(const std::vector<std::uint8_t> &bytes, Team &team)
{
    ByteReader in(bytes);
    Team read = team;
    if (!decodeTeamBlock(in, read))
        return false;
    read.fileSize =
        static_cast<std::int32_t>(std::min<std::size_t>(bytes.size(), std::numeric_limits<std::int32_t>::max()));
    // The personal information is taken only when it fills the rest of the
    // file exactly; anything else is a file of another layout.
    if (!read.rosterOnly && in.remaining() == read.players.size() * kPersonalInfoSize) {
        for (PersonalInfo &info : read.personalInfo)
            info = decodePersonalInfo(in);
        if (!in.ok())
            return false;
    }
    team = std::move(read);
    return true;
}

bool loadTeamFile(Team &team, const std::string &path)
{
    std::vector<std::uint8_t> bytes;
    Team read = team;
    if (!readWholeFile(path, bytes, kMaxRecordFileSize) || !decodeTeamFile(bytes, read))
        return false;
    read.fileName = path;
    team = std::move(read);
    return true;
}

bool writeTeamFile(Team &team, const std::string &path)
{
    team.fileName = path;
    return writeFileAtomically(path, encodeTeamFile(team));
}

namespace {

bool endsWithCsv(std::string_view name)
{
    return name.size() >= 3 && equalsIgnoringCase(name.substr(name.size() - 3), "csv");
}

} // namespace

bool teamFileNameNeeded(const Team &team)
{
    return team.fileName.size() < 4 || endsWithCsv(team.fileName);
}

std::string proposedTeamFileName(const Team &team)
{
    const std::string_view name = team.fileName;
    if (name.size() < 4)
        return {};
    if (!endsWithCsv(name))
        return team.fileName;
    const std::size_t cut = name[name.size() - 4] == '.' ? 4 : 3;
    return std::string(name.substr(0, name.size() - cut)) + ".tem";
}

bool saveTeam(Team &team, const TeamFileChooser &choose)
{
    if (!teamFileNameNeeded(team))
        return writeTeamFile(team, team.fileName);
    const std::optional<std::string> chosen = choose(proposedTeamFileName(team));
    if (!chosen || chosen->empty())
        return false;
    return writeTeamFile(team, withTeamExtension(*chosen));
}

std::string withTeamExtension(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string result(path);
    if (name.find('.') == std::string_view::npos)
        result += ".tem";
    return result;
}

} // namespace yardmark
