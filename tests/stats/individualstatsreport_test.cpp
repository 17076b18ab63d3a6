#include "stats/individualstatsreport.h"

#include "vocabulary/vocabulary.h"

#include <gtest/gtest.h>

#include <sstream>

namespace yardmark {
namespace {

const DateTime kReportWritten{2027, 1, 2, 3, 4, 5};

/// A passer alone, and two rushers with their totals.
Stat sampleStat()
{
    Stat stat;
    stat.teamName = "A&B";
    stat.gameCount = 1;
    PasserLine passer;
    passer.name = "Q";
    passer.number = 7;
    passer.attempts = 10;
    passer.completions = 6;
    passer.interceptions = 1;
    passer.yards = 85;
    passer.longest = 30;
    passer.touchdowns = 2;
    stat.passers.append(passer);
    RusherLine smith;
    smith.name = "Smith, Jr";
    smith.attempts = 3;
    smith.yards = 20;
    smith.lost = 2;
    smith.longest = 12;
    smith.touchdowns = 1;
    stat.rushers.append(smith);
    RusherLine lee;
    lee.name = "Lee";
    lee.number = 23;
    lee.attempts = 1;
    lee.yards = 6;
    lee.longest = 6;
    stat.rushers.append(lee);
    finishIndividualStats(stat);
    return stat;
}

std::string write(const Stat &stat, StatView view, bool html, bool appending)
{
    std::ostringstream out;
    writeIndividualStats(out, stat, view, html, appending, HtmlOptions{}, kReportWritten);
    return out.str();
}

TEST(IndividualStatsReportTest, CsvHasAHeaderPerCategoryQuotesNamesAndNoFinalLineFeed)
{
    const std::string expected = "No,Passer,Att,Com,Com%,Int,Yds,Lng,TDs,YPP"
                                 "\n 7,Q                        , 10,  6, 60, 1,  85,30,  2,14.2"
                                 "\n\nNo,Rusher,Att,Yds,Lost,Net,Long,TDs,Avg"
                                 "\n00,\"Smith, Jr                \",  3,  20,  2,  18, 12, 1,6.0"
                                 "\n23,Lee                      ,  1,   6,  0,   6,  6, 0,6.0"
                                 "\n  ,TEAM TOTALS              ,  4,  26,  2,  24, 12, 1,6.0"
                                 "\n\nNo,Receiver,Rec,Yds,Long,TDs,Avg"
                                 "\n\nNo,Punter,Punts,Yds,Long,Avg,TBs,20,Blkd"
                                 "\n\nNo,FG Kicker,FG Att,Gd,Long,Blkd,FG%,EPAtt,Gd,Blkd,EP%"
                                 "\n\nNo,Returner,P Rets,Yds,Long,Avg,TDs,K Rets,Yds,Long,Avg,TDs"
                                 "\n\nNo,Defender,Ta,TPG,As,Sa,SPG,Int,ITD,FR,BP,BFG";
    EXPECT_EQ(write(sampleStat(), StatView::Team, false, false), expected);
    EXPECT_EQ(write(sampleStat(), StatView::Team, false, true), expected);
}

TEST(IndividualStatsReportTest, CsvRowsOfEveryCategoryUseTheirConversions)
{
    Stat stat;
    stat.gameCount = 2;
    ReceiverLine receiver;
    receiver.name = "R";
    receiver.number = 80;
    receiver.receptions = 4;
    receiver.yards = 50;
    receiver.longest = 22;
    stat.receivers.append(receiver);
    PunterLine punter;
    punter.name = "P";
    punter.number = 5;
    punter.punts = 2;
    punter.yards = 81;
    punter.longest = 45;
    punter.inside20 = 1;
    stat.punters.append(punter);
    KickerLine kicker;
    kicker.name = "K";
    kicker.number = 3;
    kicker.fieldGoalAttempts = 3;
    kicker.fieldGoalsGood = 2;
    kicker.longestFieldGoal = 47;
    kicker.extraPointAttempts = 4;
    kicker.extraPointsGood = 3;
    stat.kickers.append(kicker);
    ReturnerLine returner;
    returner.name = "Ret";
    returner.number = 1;
    returner.puntReturns = 1;
    returner.puntReturnYards = 9;
    returner.longestPuntReturn = 9;
    returner.kickoffReturns = 2;
    returner.kickoffReturnYards = 130;
    returner.longestKickoffReturn = 95;
    returner.kickoffReturnTouchdowns = 1;
    stat.returners.append(returner);
    DefenderLine defender;
    defender.name = "D";
    defender.number = 55;
    defender.tackles = 9;
    defender.assists = 2;
    defender.sacks = 3;
    defender.fumbleRecoveries = 1;
    stat.defenders.append(defender);
    finishIndividualStats(stat);

    const std::string text = write(stat, StatView::Team, false, false);
    for (const char *row : {
             "\n80,R                        ,  4,  50, 22, 0,12.5",
             "\n 5,P                        ,  2,  81,45,40.5, 0, 1, 0",
             "\n 3,K                        ,  3, 2,47, 0, 67,  4,  3,  0, 75",
             "\n 1,Ret                      , 1,   9, 9,  9, 0, 2, 130,95, 65, 1",
             "\n55,D                        , 9, 4, 2, 3, 2, 0, 0, 1, 0, 0",
         }) {
        EXPECT_NE(text.find(row), std::string::npos) << row;
    }
}

TEST(IndividualStatsReportTest, HtmlWritesTitleHeaderRowsAndPlayerAndTotalsRows)
{
    const std::string b = "<tt><font color=000000 size=3>";
    const std::string e = "</font></tt>";
    const auto title = [&](const char *text) { return "\n\t\t<td align=center><b>" + b + text + e + "</b></td>"; };
    const auto value = [&](const char *text) { return "\n\t\t<td align=center>" + b + text + e + "</td>"; };

    const std::string text = write(sampleStat(), StatView::Team, true, false);
    const std::string head = "<HTML><HEAD><meta http-equiv=\"Content-Type\" content=\"text/html; "
                             "charset=windows-1252\"><TITLE>Quillet Football Yardmark Individual Statistics</TITLE>"
                             "</HEAD><BODY>\n<p>" +
                             b + "1 game" + e +
                             "</p>"
                             "\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n"
                             "\n\t<tr bgcolor=F9FAD6>\n\t\t<th align=center colspan=12>" +
                             b + "Individual Stats for A&amp;B" + e + "</th></tr>";
    const std::string passerHeader = "\n\t<tr bgcolor=F9FAD6>" + title("No") + title("Passer") + title("Att") +
                                     title("Com") + title("Com%") + title("Int") + title("Yds") + title("Lng") +
                                     title("TDs") + "\n\t\t<td align=center colspan=3><b>" + b + "YPP" + e +
                                     "</b></td>\n\t\t</tr>\n";
    const std::string passerRow = "\n\t<tr bgcolor=FFFFFF>\n\t\t<td align=center>" + b + " 7" + e +
                                  "</td>\n\t\t<td align=left>" + b + "&nbsp;Q                        " + e + "</td>" +
                                  value(" 10") + value("  6") + value(" 60") + value(" 1") + value("  85") +
                                  value("30") + value("  2") + "<td align=left colspan=3>&nbsp;&nbsp;" + b + "14.2" +
                                  e + "</td>\n\t\t</tr>\n";
    EXPECT_EQ(text.substr(0, head.size() + passerHeader.size() + passerRow.size()), head + passerHeader + passerRow);

    const std::string leeRow = "\n\t<tr bgcolor=EEEEEE>\n\t\t<td align=center>" + b + "23" + e;
    EXPECT_NE(text.find(leeRow), std::string::npos);
    const std::string smithName = "&nbsp;Smith, Jr                " + e;
    EXPECT_NE(text.find(smithName), std::string::npos);
    const std::string totalsRow = "\n\t<tr bgcolor=F9FAD6>\n\t\t<td align=center>" + b + "&nbsp;" + e +
                                  "</td>\n\t\t<td align=left>" + b + "&nbsp;TEAM TOTALS              " + e + "</td>";
    EXPECT_NE(text.find(totalsRow), std::string::npos);
    // Returner and defender rows fill twelve cells without a span.
    EXPECT_NE(text.find(title("P Rets")), std::string::npos);
    EXPECT_EQ(text.find("colspan=1>"), std::string::npos);
    EXPECT_NE(text.find(title("BFG") + "\n\t\t</tr>\n"), std::string::npos);
    const std::string footer = "\n</TABLE>";
    EXPECT_NE(text.rfind(footer), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 22), "</font>\n</BODY></HTML>");

    const std::string appended = write(sampleStat(), StatView::Team, true, true);
    EXPECT_EQ(appended.rfind("\n<p>" + b + "1 game" + e + "</p>\n<TABLE CELLPADDING=0 CELLSPACING=0 BORDER=1>\n", 0),
              0U);
}

TEST(IndividualStatsReportTest, TitlesFollowTheViewAndAllTeams)
{
    Stat stat;
    stat.teamName = "Otters";
    const struct {
        StatView view;
        bool allTeams;
        const char *title;
    } cases[] = {
        {StatView::Team, false, "Individual Stats for Otters"},
        {StatView::Opponents, false, "Individual Stats for Otters Opponents"},
        {StatView::Combined, false, "Individual Stats for Otters and Opponents"},
        {StatView::Team, true, "Individual Stats for All Teams"},
        {StatView::Combined, true, "Individual Stats for All Teams"},
    };
    for (const auto &c : cases) {
        stat.allTeams = c.allTeams;
        EXPECT_EQ(individualStatsTitle(stat, c.view), c.title);
    }
    EXPECT_EQ(statTypeChoices(stat), std::vector<std::string>{"Otters"});
    stat.allTeams = false;
    EXPECT_EQ(statTypeChoices(stat), (std::vector<std::string>{"Otters", "Opponents", "Combined"}));
}

TEST(IndividualStatsReportTest, WindowColumnsAndRowTexts)
{
    for (int category = 0; category < kStatCategoryCount; ++category) {
        const std::vector<StatColumn> columns = showStatsColumns(category);
        ASSERT_EQ(columns.size(), static_cast<std::size_t>(kShowStatsColumnCount));
        EXPECT_STREQ(columns[0].title, "No");
        EXPECT_EQ(columns[0].width, 30);
        EXPECT_STREQ(columns[1].title, "Name");
        EXPECT_EQ(columns[1].width, 130);
        EXPECT_EQ(columns.back().width, 0);
    }
    const std::vector<StatColumn> returns = showStatsColumns(5);
    EXPECT_STREQ(returns[11].title, "Kickoff Returns for TD");
    EXPECT_EQ(returns[11].width, 90);
    EXPECT_STREQ(returns[12].title, "");

    const Stat stat = sampleStat();
    const std::vector<StatRow> passers = statRows(stat, 0);
    ASSERT_EQ(passers.size(), 1U);
    EXPECT_EQ(showStatsRowTexts(passers[0], 0),
              (std::vector<std::string>{" 7", "Q", "10", "6", " 60", "1", "85", "30", "2", " 14"}));
    const std::vector<StatRow> rushers = statRows(stat, 1);
    ASSERT_EQ(rushers.size(), 3U);
    EXPECT_EQ(showStatsRowTexts(rushers[0], 1),
              (std::vector<std::string>{"00", "Smith, Jr", "3", "20", "2", "18", "12", "1", "6.0"}));
    EXPECT_EQ(showStatsRowTexts(rushers[2], 1)[0], "");
    EXPECT_EQ(statNumberText(5), " 5");
    EXPECT_EQ(statNumberText(-1), "00");

    // The defenders' short export titles are told in the window's tool tips.
    EXPECT_STREQ(showStatsColumns(6)[3].tip, "TPG: tackles per game, over the chosen games the team played");
}

TEST(IndividualStatsReportTest, RowsSortByAColumnWithTheTotalsLast)
{
    const auto row = [](const char *name, int number, int yards, float average) {
        return StatRow{name, number, false, {{false, yards, 0.0F}, {true, 0, average}}};
    };
    const std::vector<StatRow> rows{row("Cole", 9, 100, 4.5F), row("Abel", 12, 20, 10.0F), row("Bo", -1, 3, 0.5F),
                                    StatRow{"TEAM TOTALS", -1, true, {{false, 123, 0.0F}, {true, 0, 4.1F}}}};
    const struct {
        int column;
        bool descending;
        std::vector<std::string> names;
    } cases[] = {
        {0, false, {"Bo", "Cole", "Abel", "TEAM TOTALS"}}, // numbers as numbers: 00, 9, 12
        {1, false, {"Abel", "Bo", "Cole", "TEAM TOTALS"}}, {1, true, {"Cole", "Bo", "Abel", "TEAM TOTALS"}},
        {2, false, {"Bo", "Abel", "Cole", "TEAM TOTALS"}}, // 3, 20, 100: not as text
        {3, true, {"Abel", "Cole", "Bo", "TEAM TOTALS"}},  // averages
    };
    for (const auto &c : cases) {
        std::vector<StatRow> sorted = rows;
        sortStatRows(sorted, c.column, c.descending);
        std::vector<std::string> names;
        for (const StatRow &r : sorted)
            names.push_back(r.name);
        EXPECT_EQ(names, c.names) << c.column << c.descending;
    }
}

} // namespace
} // namespace yardmark
