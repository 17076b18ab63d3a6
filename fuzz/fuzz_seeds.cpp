// Writes a starting corpus for each fuzz target into <folder>/<target>/:
// good files of the kinds each reader takes, so that the fuzzer starts from
// real layouts instead of empty input.

#include "records/fileversions.h"
#include "records/gamefile.h"
#include "records/recordcodec.h"
#include "records/roster.h"
#include "records/settingsfile.h"
#include "records/teamfile.h"
#include "season/schedule.h"
#include "season/teamexport.h"

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

// A Windows bitmap of `width` x 2 pixels at `bits` per pixel (1, 8 or 24),
// with a palette below 24 bits: the header layout logos and wallpapers use.
std::string bitmap(int width, int bits)
{
    const int colors = bits < 24 ? 1 << bits : 0;
    const int rowBytes = (width * bits + 31) / 32 * 4;
    const int offset = 14 + 40 + 4 * colors;
    ByteWriter out;
    out.uint8('B');
    out.uint8('M');
    out.int32(offset + 2 * rowBytes);
    out.int32(0);
    out.int32(offset);
    for (const std::int32_t value : {40, width, 2})
        out.int32(value);
    out.uint8(1); // planes
    out.uint8(0);
    out.uint8(static_cast<std::uint8_t>(bits));
    out.uint8(0);
    for (const std::int32_t value : {0, 2 * rowBytes, 2835, 2835, colors, 0})
        out.int32(value);
    for (int i = 0; i < colors; ++i)
        out.int32(i * 0x010101);
    for (int i = 0; i < 2 * rowBytes; ++i)
        out.uint8(static_cast<std::uint8_t>(i * 37));
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
    writeSeed(root / "fuzz_statsreader", "current.gam", asText(encodeGame(game)));
    // The corrections' target reads a byte of its own before the game.
    writeSeed(root / "fuzz_corrections", "current.gam", "\x01" + asText(encodeGame(game)));
    writeSeed(root / "fuzz_corrections", "indoor.gam", "\x81" + asText(encodeGame(game)));
    writeSeed(root / "fuzz_statsreader", "version11.gam", oldGame(kOldestFileVersion, 2));
    // Lines of the play notation against the rosters of the fuzzers' game.
    const std::string quickLines = "r 22 7 t54\np 22 3\np inc 22\ndp 7 on90\ntimeout v\nr 33 at hg\n"
                                   "p 7>22 12 t21 a54\np sack -7 t90\np int 21 at h30\npu 4 to v30 fc\n"
                                   "fg 4 good\nfg 4 blocked b90\nop 13\nko 4 to v5 21 at v30\nko onside+\n";
    writeSeed(root / "fuzz_quickentry", "drive.txt", quickLines);
    writeSeed(root / "fuzz_script", "drive.jsonl",
              std::string(R"({"op":"open","answers":["home"],"kickoff":{"kicker":"4","result":"touchback"}})") + "\n" +
                  R"({"op":"rush","fields":{"rusher":"22","yards_made":"7","tackler":"54"}})" + "\n" +
                  R"({"op":"pass","answers":["yes"],"fields":{"receiver":"22","yards_made":"3"}})" + "\n" +
                  R"({"op":"defensive_penalty","fields":{"penalty":7,"penalty_on":"90"}})" + "\n" + quickLines +
                  R"({"op":"quit","answers":["yes"]})" + "\n");
    for (const int bits : {1, 8, 24})
        writeSeed(root / "fuzz_bitmap", "logo" + std::to_string(bits) + ".bmp", bitmap(3, bits));

    writeSeed(root / "fuzz_team", "full.tem", asText(encodeTeamFile(seedTeam(3, false))));
    writeSeed(root / "fuzz_team", "empty.tem", asText(encodeTeamFile(seedTeam(0, false))));
    writeSeed(root / "fuzz_team", "rosteronly.tem", asText(encodeTeamFile(seedTeam(2, true))));

    Settings settings;
    setDefaults(settings);
    std::ostringstream ini;
    writeSettings(ini, settings);
    writeSeed(root / "fuzz_settings", "yardmark.ini", ini.str());
    // Every line written only once it is set.
    settings.app.live = {"/srv/live", "Homecoming"};
    settings.app.reflowAfterCorrection = 1;
    settings.app.nightColors = true;
    std::ostringstream everyLine;
    writeSettings(everyLine, settings);
    writeSeed(root / "fuzz_settings", "everyline.ini", everyLine.str());

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
