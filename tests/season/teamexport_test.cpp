#include "season/teamexport.h"

#include "records/roster.h"
#include "records/teamfile.h"
#include "reports/html.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace yardmark {
namespace {

const DateTime kTeamWritten{2026, 10, 3, 21, 4, 5};

class FixedNow {
public:
    FixedNow() { setFixedNow(kTeamWritten); }
    ~FixedNow() { setFixedNow(std::nullopt); }
};

Team smallTeam()
{
    Team team;
    team.rosterOnly = false;
    team.name = "A&M";
    team.coach = "Coach C";
    team.assistant = "Asst";
    team.currentQuarterback = "Q";
    team.currentKicker = "K";
    team.currentFieldGoalKicker = "F";
    team.currentPunter = "P";
    team.logoFile = "aggies.bmp";
    addPlayer(team, PlayerRecord{"Lee <Jr>", -1, 1, 0, 1},
              PersonalInfo{"555", "1 Elm", "Bryan", "TX", "77801", 2001, 9, 4, "lee@x.org", "fast"});
    addPlayer(team, PlayerRecord{"Moe", 12, 0, 13, 2}, PersonalInfo{"", "", "", "", "", 1999, 31, 12, "", ""});
    return team;
}

std::string csvOf(const Team &team, bool personal)
{
    std::ostringstream out;
    writeTeamCsv(out, team, personal);
    return out.str();
}

Team imported(const std::string &text)
{
    std::istringstream in(text);
    Team team;
    team.rosterOnly = false;
    importTeamCsv(in, team, "list.csv");
    return team;
}

TEST(TeamCsvTest, ExportWithoutPersonalInformation)
{
    Team team = smallTeam();
    addPlayer(team, PlayerRecord{"Odd", 5, 99, 0, 7}, PersonalInfo{}); // codes outside the tables
    EXPECT_EQ(csvOf(team, false), "Team,A&M\n"
                                  "Coach,Coach C,Assistant,Asst\n"
                                  "QuarterBack,Q\n"
                                  "CurrentKicker,K\n"
                                  "CurrentFieldGoalKicker,F\n"
                                  "CurrentPunter,P\n"
                                  "TeamLogo,aggies.bmp\n"
                                  "#,Name,Pos,Starter Status\n"
                                  "00,Lee <Jr>,Quarterback,OffensiveStarter\n"
                                  "12,Moe,Bench,DefensiveStarter\n"
                                  "5,Odd,Bench,NotAStarter\n");
}

TEST(TeamCsvTest, ExportWithPersonalInformation)
{
    const std::string text = csvOf(smallTeam(), true);
    EXPECT_NE(text.find("#,Name,Pos,Starter Status,Phone,Address,City,State,Zip,Birthday,E-mail,Note\n"
                        "00,Lee <Jr>,Quarterback,OffensiveStarter,555,1 Elm,Bryan,TX,77801,04/09/2001,lee@x.org,fast\n"
                        "12,Moe,Bench,DefensiveStarter,,,,,,12/31/1999,,\n"),
              std::string::npos)
        << text;
}

TEST(TeamCsvTest, FieldsWithCommasOrQuotesAreQuoted)
{
    Team team = smallTeam();
    team.name = "Smith, Jones & Co";
    team.assistant = "The \"Bus\"";
    team.players[1].name = "Moe, Jr.";
    team.personalInfo[1].address = "1 Main St, Apt 2";
    const std::string text = csvOf(team, true);
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
              "Team,\"Smith, Jones & Co\"\nCoach,Coach C,Assistant,\"The \"\"Bus\"\"\"\n");
    EXPECT_NE(text.find("\n12,\"Moe, Jr.\",Bench,DefensiveStarter,,\"1 Main St, Apt 2\",,"), std::string::npos);

    const Team back = imported(text);
    EXPECT_EQ(back.name, "Smith, Jones & Co");
    EXPECT_EQ(back.assistant, "The \"Bus\"");
    EXPECT_EQ(back.players[1].name, "Moe, Jr.");
    EXPECT_EQ(back.personalInfo[1].address, "1 Main St, Apt 2");
}

TEST(TeamCsvTest, ExportThenImportGivesTheSameRoster)
{
    Team team = smallTeam();
    team.players[1].defensivePosition = 0; // the list keeps only the offensive position
    team.players[1].offensivePosition = 13;
    team.logoFile = "/" + std::string(258, 'L'); // the longest path a team holds
    team.personalInfo[0].address = std::string(99, 'A');
    team.personalInfo[0].city = std::string(39, 'C');
    team.personalInfo[0].state = std::string(39, 'S');
    team.personalInfo[0].email = std::string(49, 'E');
    team.personalInfo[0].note = std::string(49, 'N');
    team.coach = "=HYPERLINK(\"x\")"; // made inert in the list, taken back whole
    team.players[0].name = "'=x";
    team.personalInfo[1].phone = "+1 555";
    sortRoster(team, RosterSortKey::Name);

    const Team back = imported(csvOf(team, true));
    EXPECT_EQ(back.logoFile, team.logoFile);
    EXPECT_EQ(back.players, team.players);
    EXPECT_EQ(back.personalInfo, team.personalInfo);
    EXPECT_EQ(back.coach, team.coach);
    EXPECT_EQ(back.currentPunter, team.currentPunter);
    EXPECT_EQ(back.fileName, "list.csv");
}

TEST(TeamCsvTest, AListWithMorePlayersThanATeamHoldsIsRefused)
{
    const std::string list = csvOf(smallTeam(), false);
    Team team;
    EXPECT_TRUE(importTeamCsv(*std::make_unique<std::istringstream>(list), team, "list.csv", 2));
    EXPECT_FALSE(importTeamCsv(*std::make_unique<std::istringstream>(list + "7,Extra\n"), team, "list.csv", 2));
}

TEST(TeamCsvTest, PlayerFieldsAreReadLikeTheDialogs)
{
    const struct {
        const char *line;
        PlayerRecord player;
    } cases[] = {
        {"00,Zero,Quarterback,StartsBoth", {"Zero", -1, 1, 0, 3}},
        {"-1,Minus,kicker,notastarter", {"Minus", -1, 2, 0, 0}},
        {"7,Seven,CORNERBACK,DefensiveStarter", {"Seven", 7, 9, 0, 2}},
        {"12abc,Twelve,LineBacker,offensivestarter", {"Twelve", 12, 13, 0, 1}},
        {"abc,Letters,Waterboy,Captain", {"Letters", 0, 25, 0, 3}},
        {"0,Short", {"Short", 0, 25, 0, 3}},
        {"3,A name that is far too long for the field,Bench,NotAStarter", {"A name that is far too l", 3, 0, 0, 0}},
    };
    for (const auto &c : cases) {
        const Team team = imported(std::string("Team,T\nC\nQ\nK\nF\nP\nL\n#\n") + c.line + "\n");
        ASSERT_EQ(team.playerCount(), 1) << c.line;
        EXPECT_EQ(team.players[0], c.player) << c.line;
    }
}

TEST(TeamCsvTest, AShortPlayerLineGetsEmptyPersonalInformationBornToday)
{
    FixedNow now;
    const Team team =
        imported("Team,T\nCoach,C,Assistant,A\nQuarterBack,\nCurrentKicker,\nCurrentFieldGoalKicker,\n"
                 "CurrentPunter,\nTeamLogo,default.bmp\n#,Name,Pos,Starter Status\n4,Four,Tailback,StartsBoth\n");
    ASSERT_EQ(team.playerCount(), 1);
    EXPECT_EQ(team.personalInfo[0], (PersonalInfo{"", "", "", "", "", 2026, 3, 10, "", ""}));
}

TEST(TeamCsvTest, PersonalFieldsAreCutToTheirWidths)
{
    const std::string line = "1,P,Bench,NotAStarter," + std::string(30, 'p') + ",addr,city,state," +
                             std::string(25, 'z') + ",7/4/1976,mail,note\n";
    const Team team = imported("Team,T\nC\nQ\nK\nF\nP\nL\n#\n" + line);
    ASSERT_EQ(team.playerCount(), 1);
    const PersonalInfo &p = team.personalInfo[0];
    EXPECT_EQ(p.phone, std::string(24, 'p'));
    EXPECT_EQ(p.zip, std::string(19, 'z'));
    EXPECT_EQ(p.note, "note");
}

TEST(TeamCsvTest, ThreeNumbersAreTheBirthdayAsRead)
{
    FixedNow now; // today is 10/3/2026
    const struct {
        const char *text;
        int month, day, year;
    } cases[] = {
        {"7/4/1976", 7, 4, 1976},    {"02/30/1990", 2, 30, 1990}, {"12/31/0", 12, 31, 0},
        {"00/00/0000", 0, 0, 0},     {"13/4/1976", 13, 4, 1976},  {"7/4/-1", 7, 4, -1}, // what the export writes back
        {"300/4/1976", 44, 4, 1976}, // a byte, as the record holds it
        {"13", 10, 3, 2026},         {"7/4", 10, 3, 2026},        {"03772-4752", 10, 3, 2026},
        {"10873-1204", 10, 3, 2026}, {"7/4/1976 x", 10, 3, 2026}, {"", 10, 3, 2026},
    };
    for (const auto &c : cases) {
        const Team team =
            imported(std::string("Team,T\nC\nQ\nK\nF\nP\nL\n#\n1,P,Bench,NotAStarter,,,,,,") + c.text + ",mail,note\n");
        ASSERT_EQ(team.playerCount(), 1) << c.text;
        const PersonalInfo &p = team.personalInfo[0];
        EXPECT_EQ((std::array<int, 3>{p.birthMonth, p.birthDay, p.birthYear}),
                  (std::array<int, 3>{c.month, c.day, c.year}))
            << c.text;
        EXPECT_EQ(p.email, "mail") << c.text;
    }
}

TEST(TeamCsvTest, ImportAcceptsWindowsLineEndsAByteOrderMarkAndBlankLines)
{
    const Team team = imported("\xEF\xBB\xBFTeam,Bears\r\nCoach,Ditka,Assistant,Ryan, Buddy\r\nQuarterBack,Jim\r\n"
                               "CurrentKicker,Kev\r\nCurrentFieldGoalKicker,Kev\r\nCurrentPunter,Bob\r\n"
                               "TeamLogo,bears.bmp\r\n#,Name,Pos,Starter Status\r\n\r\n"
                               "34,Payton,Running Back,OffensiveStarter\r\n   \r\n9,McMahon,Quarterback,StartsBoth");
    EXPECT_EQ(team.name, "Bears");
    EXPECT_EQ(team.coach, "Ditka");
    EXPECT_EQ(team.assistant, "Ryan, Buddy");
    EXPECT_EQ(team.logoFile, "bears.bmp");
    ASSERT_EQ(team.playerCount(), 2);
    EXPECT_EQ(team.players[0], (PlayerRecord{"McMahon", 9, 1, 0, 3})); // sorted by name
    EXPECT_EQ(team.players[1], (PlayerRecord{"Payton", 34, 6, 0, 1}));
}

TEST(TeamCsvTest, MissingLinesLeaveTheFieldsEmpty)
{
    const Team team = imported("Team,Lonely\n");
    EXPECT_EQ(team.name, "Lonely");
    EXPECT_EQ(team.coach, "");
    EXPECT_EQ(team.logoFile, "default.bmp");
    EXPECT_EQ(team.playerCount(), 0);
}

TEST(TeamHtmlTest, PageWithoutPersonalInformationIsExact)
{
    const std::string h = "<tt><font color=000000 size=3>", b = h, e = "</font></tt>";
    std::ostringstream out;
    writeTeamHtml(out, smallTeam(), false, false, HtmlOptions{}, kTeamWritten);
    std::string expected = "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                           "charset=windows-1252\"><TITLE>Quillet Football Yardmark A&amp;M</TITLE></HEAD><BODY>"
                           "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n"
                           "\n\t<th colspan=4 bgcolor=F9FAD6>" +
                           h + "A&amp;M" + e + "</th>\n";
    const std::pair<const char *, const char *> staff[] = {{"Coach :", "Coach C"},       {"Assistant :", "Asst"},
                                                           {"Quarter Back :", "Q"},      {"Kicker :", "K"},
                                                           {"Field Goal Kicker :", "F"}, {"Punter :", "P"}};
    for (const auto &[label, value] : staff)
        expected += "\n\t<tr bgcolor=F9FAD6><td colspan=4 align=left><b>" + h + label + e + "</b>" + b + "&nbsp;" +
                    value + e + "</td>";
    expected += "\n\t<tr bgcolor=F9FAD6>";
    for (const char *title : {"#", "Name", "Pos", "Starter Status"})
        expected += "<td align=center><b>" + h + title + e + "</b></td>";
    expected += "</tr>\n";
    expected += "\n\t<tr bgcolor=FFFFFF><td align=center>" + b + "00" + e + "</td><td align=left>" + b +
                "Lee &lt;Jr&gt;" + e + "</td><td align=left>" + b + "Quarterback" + e + "</td><td align=left>" + b +
                "OffensiveStarter" + e + "</td></tr>";
    expected += "\n\t<tr bgcolor=EEEEEE><td align=center>" + b + "12" + e + "</td><td align=left>" + b + "Moe" + e +
                "</td><td align=left>" + b + "Bench" + e + "</td><td align=left>" + b + "DefensiveStarter" + e +
                "</td></tr>";
    std::ostringstream footer;
    writeFooter(footer, kTeamWritten);
    EXPECT_EQ(out.str(), expected + footer.str());
}

TEST(TeamHtmlTest, PersonalInformationAddsEightCellsWithAMailLink)
{
    HtmlOptions options;
    options.htmlFontFace = "Variable Width";
    Team team = smallTeam();
    team.personalInfo[0].email = "lee&co@x.org";
    std::ostringstream out;
    writeTeamHtml(out, team, true, false, options, kTeamWritten);
    const std::string html = out.str();
    const std::string b = "<font color=000000 size=3>", e = "</font>";
    EXPECT_NE(html.find("<th colspan=12 bgcolor=F9FAD6>"), std::string::npos);
    EXPECT_NE(html.find("<td colspan=12 align=left><b>" + b + "Punter :"), std::string::npos);
    EXPECT_NE(html.find("<td align=center><b>" + b + "Phone Number" + e + "</b></td>"), std::string::npos);
    EXPECT_NE(html.find("<td align=center><b>" + b + "Note" + e + "</b></td></tr>\n"), std::string::npos);
    EXPECT_NE(html.find("OffensiveStarter" + e + "</td><td align=left>" + b + "&nbsp;555" + e + "</td><td align=left>" +
                        b + "&nbsp;1 Elm" + e + "</td><td align=left>" + b + "&nbsp;Bryan" + e +
                        "</td><td align=left>" + b + "&nbsp;TX" + e + "</td><td align=left>" + b + "&nbsp;77801" + e +
                        "</td><td align=left>" + b + "&nbsp;04/09/2001" + e + "</td><td align=left>" + b +
                        "&nbsp;<a href=\"mailto:lee&amp;co@x.org\">lee&amp;co@x.org</a>" + e + "</td><td align=left>" +
                        b + "&nbsp;fast" + e + "</td></tr>"),
              std::string::npos)
        << html;
}

TEST(TeamHtmlTest, AppendingLeavesOutThePageHead)
{
    std::ostringstream out;
    writeTeamHtml(out, smallTeam(), false, true, HtmlOptions{}, kTeamWritten);
    EXPECT_EQ(out.str().rfind("\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n", 0), 0u);
}

class TeamExportFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = testing::makeTempFolder("yardmark-teamexport-");
        ASSERT_FALSE(m_dir.empty());
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string file(const char *name) const { return (m_dir / name).string(); }

    static std::string read(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path m_dir;
};

TEST_F(TeamExportFileTest, AppendingAddsALineFeedAndKeepsTheEarlierList)
{
    const Team team = smallTeam();
    const std::string path = file("team.csv");
    ASSERT_TRUE(exportTeam(team, path, ExportFormat::Csv, false, false, HtmlOptions{}));
    const std::string once = read(path);
    EXPECT_EQ(once, csvOf(team, false));
    ASSERT_TRUE(exportTeam(team, path, ExportFormat::Csv, true, false, HtmlOptions{}));
    EXPECT_EQ(read(path), once + "\n" + once);

    FixedNow now;
    const std::string html = file("team.htm");
    ASSERT_TRUE(exportTeam(team, html, ExportFormat::Html, false, true, HtmlOptions{}));
    ASSERT_TRUE(exportTeam(team, html, ExportFormat::Html, true, true, HtmlOptions{}));
    const std::string pages = read(html);
    EXPECT_EQ(pages.find("<HTML>"), pages.rfind("<HTML>"));
    EXPECT_NE(pages.find("</HTML>\n\n<TABLE"), std::string::npos);
}

TEST_F(TeamExportFileTest, AFileThatCannotBeCreatedFails)
{
    EXPECT_FALSE(exportTeam(smallTeam(), file("no/folder.csv"), ExportFormat::Csv, false, false, HtmlOptions{}));
}

TEST_F(TeamExportFileTest, AnImportedTeamIsSavedUnderATeamFileName)
{
    const std::string path = file("roster.csv");
    ASSERT_TRUE(exportTeam(smallTeam(), path, ExportFormat::Csv, false, true, HtmlOptions{}));
    Team team;
    team.rosterOnly = false;
    ASSERT_TRUE(importTeamCsv(team, path));
    EXPECT_EQ(team.fileName, path);
    EXPECT_TRUE(teamFileNameNeeded(team));
    EXPECT_EQ(proposedTeamFileName(team), file("roster.tem"));

    Team untouched = smallTeam();
    const Team before = untouched;
    EXPECT_FALSE(importTeamCsv(untouched, file("absent.csv")));
    EXPECT_EQ(untouched, before);
}

TEST(TeamCsvTest, MutatedListsImportWithoutHarm)
{
    std::mt19937 random(31337);
    Team team = smallTeam();
    team.personalInfo[0].note = "say \"hi\", then\nleave";
    const std::string good = csvOf(team, true);
    for (int i = 0; i < 2000; ++i) {
        std::string text = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !text.empty(); ++e) {
            const std::size_t at = random() % text.size();
            switch (random() % 4) {
            case 0:
                text[at] = "\",\r\n\0x"[random() % 6];
                break;
            case 1:
                text.erase(at, 1 + random() % 40);
                break;
            case 2:
                text.insert(at, std::string(1 + random() % 300, static_cast<char>(random() % 256)));
                break;
            default:
                text.resize(at);
            }
        }
        const Team back = imported(text);
        EXPECT_EQ(back.players.size(), back.personalInfo.size()) << i;
        EXPECT_LE(back.name.size(), 24u) << i;
        for (const PlayerRecord &p : back.players)
            EXPECT_LE(p.name.size(), 24u) << i;
    }
}

} // namespace
} // namespace yardmark
