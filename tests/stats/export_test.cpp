#include "stats/drivesummary.h"
#include "stats/gamesummary.h"
#include "stats/scoringsummary.h"

#include "playlist.h"

#include "reports/exportchoice.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace yardmark {
namespace {

using test::gameOf;
using test::Play;

const DateTime kExported{2027, 1, 2, 3, 4, 5};

std::string contentOf(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t occurrences(const std::string &text, const std::string &part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(ExportTest, EveryReportAppendsToAnEarlierExport)
{
    const Game game = gameOf({
        Play(PlayType::Rush, true).clock(14, 0).from(20).to(100).score(ScoreType::Touchdown),
        Play(PlayType::ExtraPoint, true).kick(KickResult::FieldGoalGood).score(ScoreType::ExtraPoint),
    });
    const LeagueOptions league;
    const HtmlOptions html;
    const GameTeamStats home = computeGameTeamStats(game, true, 0, 3, league);
    const GameTeamStats visitor = computeGameTeamStats(game, false, 0, 3, league);
    const struct {
        const char *name;
        ExportWriter writer;
        const char *csvHeader;
        const char *title;
    } reports[] = {
        {"game",
         [&](std::ostream &out, bool asHtml, bool appending) {
             writeGameSummary(out, game, home, visitor, asHtml, appending, html, kExported);
         },
         "Team Name,Points Scored,", "Game Summary"},
        {"drives",
         [&](std::ostream &out, bool asHtml, bool appending) {
             writeDriveSummary(out, game, league, asHtml, appending, html, kExported);
         },
         "Team, Plays, Yards, Duration, Result\n", "Drive Summary"},
        {"scoring",
         [&](std::ostream &out, bool asHtml, bool appending) {
             writeScoringSummary(out, game, league, asHtml, appending, html, kExported);
         },
         "Team, Plays, Yards, Description\n", "Scoring Summary"},
    };
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("yardmark_stats_export_" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    for (const auto &report : reports) {
        const std::filesystem::path csv = folder / (std::string(report.name) + ".csv");
        ASSERT_TRUE(exportToFile(csv.string(), ExportFormat::Csv, false, report.writer));
        const std::string once = contentOf(csv);
        ASSERT_TRUE(exportToFile(csv.string(), ExportFormat::Csv, true, report.writer));
        // The header comes twice, the second part after an empty line.
        EXPECT_EQ(contentOf(csv), once + "\n" + once) << report.name;
        EXPECT_EQ(occurrences(contentOf(csv), report.csvHeader), 2U) << report.name;

        const std::filesystem::path page = folder / (std::string(report.name) + ".htm");
        ASSERT_TRUE(exportToFile(page.string(), ExportFormat::Html, false, report.writer));
        ASSERT_TRUE(exportToFile(page.string(), ExportFormat::Html, true, report.writer));
        const std::string text = contentOf(page);
        EXPECT_EQ(occurrences(text, std::string("<TITLE>Quillet Football Yardmark ") + report.title), 1U)
            << report.name;
        EXPECT_EQ(text.rfind("<HTML>"), 0U) << report.name;
        EXPECT_EQ(occurrences(text, "<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>"), 2U) << report.name;
        EXPECT_EQ(occurrences(text, "</BODY></HTML>"), 2U) << report.name;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace yardmark
