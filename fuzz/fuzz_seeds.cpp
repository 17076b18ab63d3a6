// Writes a starting corpus for each fuzz target into <folder>/<target>/:
// good files of the kinds each reader takes, so that the fuzzer starts from
// real layouts instead of empty input.

#include "records/fileversions.h"
#include "records/gamefile.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "records/settingsfile.h"
#include "records/teamfile.h"
#include "reports/teamexport.h"
#include "season/schedule.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

using namespace yardmark;

void writeSeed(const std::filesystem::path &folder, const std::string &name, const std::string &bytes)
{
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string asText(const std::vector<std::uint8_t> &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

Team seedTeam(int players, bool rosterOnly)
{
    Team team;
    team.rosterOnly = rosterOnly;
    team.name = "Seed, \"Team\"";
    team.coach = "Coach";
    team.assistant = "Assistant";
    team.currentQuarterback = "Quarterback";
    for (int i = 0; i < players; ++i) {
        PersonalInfo info{"555-0100", "1 Main St", "Town", "State", "12345", 1990, 2, 3, "a@b.org", "note"};
        addPlayer(team, PlayerRecord{"Player " + std::to_string(i), i == 0 ? -1 : i, i % 26, 0, i % 4},
                  rosterOnly ? PersonalInfo{} : info);
    }
    return team;
}

// A game whose play block is in the layout of `version`, written field by
// field: one old play per count.
std::string oldGame(std::int32_t version, int plays)
{
    Game game;
    game.homeTeam = seedTeam(2, true);
    const std::vector<std::uint8_t> current = encodeGame(game);
    // Everything up to the play block, then an old block.
    const std::size_t playBlock = current.size() - 12 - kGameTrailerSize;
    ByteWriter out;
    out.bytes(std::vector<std::uint8_t>(current.begin(), current.begin() + static_cast<std::ptrdiff_t>(playBlock)));
    if (version != kOldestFileVersion) {
        out.int32(-1);
        out.int32(version);
    }
    out.int32(plays);
    for (int i = 0; i < plays; ++i) {
        out.uint8(1);
        for (int f = 0; f < 13; ++f)
            out.int32(f == 0 ? 1 + i : (f == 12 ? 2 : f));
        out.zeros(playRecordSize(version) - 53);
    }
    out.zeros(kGameTrailerSize);
    return asText(out.take());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds <folder>\n";
        return 2;
    }
    const std::filesystem::path root = argv[1];

    Game game;
    game.homeTeam = seedTeam(3, true);
    game.visitorTeam = seedTeam(1, true);
    for (int i = 0; i < 3; ++i) {
        PlayRecord play;
        play.playType = 1 + i;
        play.fumbles[0] = 2;
        play.players[1] = game.homeTeam.players[0];
        game.appendPlay(play);
    }
    writeSeed(root / "fuzz_game", "current.gam", asText(encodeGame(game)));
    writeSeed(root / "fuzz_game", "empty.gam", asText(encodeGame(Game{})));
    writeSeed(root / "fuzz_game", "version11.gam", oldGame(kOldestFileVersion, 2));
    writeSeed(root / "fuzz_game", "version12.gam", oldGame(kVersion12, 2));

    writeSeed(root / "fuzz_team", "full.tem", asText(encodeTeamFile(seedTeam(3, false))));
    writeSeed(root / "fuzz_team", "empty.tem", asText(encodeTeamFile(seedTeam(0, false))));
    writeSeed(root / "fuzz_team", "rosteronly.tem", asText(encodeTeamFile(seedTeam(2, true))));

    Settings settings;
    setDefaults(settings);
    std::ostringstream ini;
    writeSettings(ini, settings);
    writeSeed(root / "fuzz_settings", "yardmark.ini", ini.str());

    for (bool personal : {false, true}) {
        std::ostringstream csv;
        writeTeamCsv(csv, seedTeam(3, false), personal);
        writeSeed(root / "fuzz_teamcsv", personal ? "personal.csv" : "roster.csv", csv.str());
    }
    Schedule schedule;
    writeSeed(root / "fuzz_schedule", "empty.sch", asText(encodeSchedule(schedule)));
    for (int i = 0; i < 2; ++i) {
        ScheduleEntry entry;
        entry.eventType = 2 + i;
        entry.homeTeamName = "Home";
        entry.gameFile = "C:\\Games\\week" + std::to_string(i) + ".gam";
        entry.year = 2026;
        entry.month = 9;
        entry.day = static_cast<std::uint8_t>(5 + i);
        entry.hour = 19;
        entry.note = "note";
        schedule.append(entry);
    }
    writeSeed(root / "fuzz_schedule", "two.sch", asText(encodeSchedule(schedule)));
    return 0;
}
