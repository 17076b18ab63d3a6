#include "gamegenerator.h"

#include "records/gamefile.h"
#include "vocabulary/vocabulary.h"

#include <algorithm>
#include <random>

namespace yardmark::bench {

namespace {

constexpr int kRosterSize = 44;

/// A deterministic source of small random choices.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : m_engine(seed) {}
    int below(int bound) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(bound)); }
    bool chance(int percent) { return below(100) < percent; }
    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::mt19937 m_engine;
};

Team makeTeam(int index)
{
    Team team;
    team.name = leagueTeamName(index);
    for (int i = 0; i < kRosterSize; ++i) {
        PlayerRecord player;
        player.name = "Player " + std::to_string(index) + "-" + std::to_string(i);
        player.number = i + 1;
        player.offensivePosition = i % 12;
        player.defensivePosition = i % 10;
        player.starterStatus = i < 22 ? 1 + i % 2 : 0;
        team.players.push_back(player);
    }
    return team;
}

FieldSpot spotFor(bool offenseIsHome, int fromOwnGoal)
{
    fromOwnGoal = std::clamp(fromOwnGoal, 0, 100);
    return fromOwnGoal <= 50 ? FieldSpot{fromOwnGoal, offenseIsHome} : FieldSpot{100 - fromOwnGoal, !offenseIsHome};
}

/// Plays the game forward, one play at a time.
class GameWriter {
public:
    GameWriter(Game &game, Dice &dice, int playCount) : m_game(game), m_dice(dice), m_playCount(playCount) {}

    void run()
    {
        while (m_game.playCount() < m_playCount) {
            if (m_kickoffNext)
                kickoff();
            m_kickoffNext = false;
            drive();
        }
    }

private:
    const PlayerRecord &player(bool home, int first, int count)
    {
        const Team &team = home ? m_game.homeTeam : m_game.visitorTeam;
        return team.players[static_cast<std::size_t>(first + m_dice.below(count))];
    }

    PlayRecord startPlay(PlayType type)
    {
        PlayRecord play;
        play.homeHasBall = m_home;
        play.playType = code(type);
        const int elapsed = m_game.playCount() * 3600 / m_playCount;
        play.quarter = std::min(3, elapsed / 900);
        const int left = 900 - (elapsed - play.quarter * 900);
        play.clockMinutes = left / 60;
        play.clockSeconds = left % 60;
        play.downBefore = m_down;
        play.toGoBefore = m_toGo;
        play.initialSpot = spotFor(m_home, m_ball);
        return play;
    }

    void defend(PlayRecord &play)
    {
        play.players[TacklerSlot] = player(!m_home, 22, 11);
        if (m_dice.chance(40))
            play.players[AssistSlot] = player(!m_home, 22, 11);
    }

    void fumble(PlayRecord &play, bool recoveringTeamIsHome)
    {
        play.fumbles[0] = code(recoveringTeamIsHome == m_home ? FumbleRecovery::ByOffense : FumbleRecovery::ByDefense);
        play.fumbleRecoveredByHome[0] = recoveringTeamIsHome;
        play.players[FirstRecovererSlot] = player(recoveringTeamIsHome, 0, kRosterSize);
        if (recoveringTeamIsHome != m_home)
            play.turnover = code(TurnoverKind::Fumble);
    }

    void add(PlayRecord &play) { m_game.plays.push_back(play); }

    void kickoff()
    {
        PlayRecord play = startPlay(PlayType::KickOff);
        play.initialSpot = spotFor(m_home, 35);
        play.players[QuarterbackSlot] = player(m_home, 40, 1);
        const int received = m_dice.between(90, 100);
        play.receivedAt = spotFor(m_home, received);
        if (m_dice.chance(30)) {
            play.kickResult = code(KickResult::Touchback);
            m_ball = 25;
        } else {
            play.kickResult = code(KickResult::Runback);
            play.players[CarrierSlot] = player(!m_home, 30, 4);
            play.players[TacklerSlot] = player(m_home, 22, 11);
            const int back = std::min(received, m_dice.between(15, 40));
            m_ball = 100 - (received - back);
            play.finalSpot = spotFor(m_home, received - back);
            if (m_dice.chance(3))
                fumble(play, !m_home);
        }
        add(play);
        m_home = !m_home;
        m_down = 0;
        m_toGo = 10;
    }

    void drive()
    {
        while (m_game.playCount() < m_playCount) {
            if (m_down == 3) {
                if (m_ball >= 62)
                    return fieldGoal();
                return punt();
            }
            if (!snap())
                return;
        }
    }

    /// A rush, pass or penalty; false when the ball changed hands.
    bool snap()
    {
        const int kind = m_dice.below(100);
        PlayRecord play = startPlay(kind < 45   ? PlayType::Rush
                                    : kind < 94 ? PlayType::Pass
                                    : kind < 97 ? PlayType::OffensivePenalty
                                                : PlayType::DefensivePenalty);
        int gain = 0;
        bool lost = false;
        if (kind < 45) {
            play.players[CarrierSlot] = player(m_home, 12, 6);
            gain = m_dice.between(-3, 12) + (m_dice.chance(5) ? 30 : 0);
            defend(play);
            if (m_dice.chance(2)) {
                fumble(play, !m_home);
                lost = true;
            }
        } else if (kind < 94) {
            play.players[QuarterbackSlot] = player(m_home, 10, 2);
            const int outcome = m_dice.below(100);
            if (outcome < 60) {
                play.passResult = code(PassResult::Completion);
                play.players[CarrierSlot] = player(m_home, 14, 8);
                gain = m_dice.between(0, 20) + (m_dice.chance(8) ? 35 : 0);
                defend(play);
            } else if (outcome < 88) {
                play.passResult = code(PassResult::Incompletion);
            } else if (outcome < 95) {
                play.passResult = code(PassResult::Sack);
                gain = -m_dice.between(3, 10);
                defend(play);
            } else {
                play.passResult = code(PassResult::Interception);
                play.turnover = code(TurnoverKind::Interception);
                play.players[InterceptorSlot] = player(!m_home, 22, 11);
                lost = true;
            }
        } else {
            gain = kind < 97 ? -m_dice.between(1, 3) * 5 : m_dice.between(1, 3) * 5;
            if (kind < 97) {
                play.offensivePenalty = 1 + m_dice.below(20);
                play.offensivePenaltyYards = -gain;
            } else {
                play.defensivePenalty = 1 + m_dice.below(20);
                play.defensivePenaltyYards = gain;
            }
            play.penaltySpot = play.initialSpot;
        }
        gain = std::clamp(gain, -m_ball, 100 - m_ball);
        m_ball += gain;
        play.finalSpot = spotFor(m_home, m_ball);
        if (!lost && m_ball >= 100) {
            play.scoreType = code(ScoreType::Touchdown);
            add(play);
            return touchdownTry();
        }
        if (!lost && gain >= m_toGo) {
            play.firstDown = code(kind < 94 ? FirstDownKind::FirstDown : FirstDownKind::ByPenalty);
            m_down = 0;
            m_toGo = 10;
        } else if (!lost) {
            m_down = kind < 94 ? m_down + 1 : m_down;
            m_toGo -= gain;
        }
        play.downAfter = m_down;
        play.toGoAfter = m_toGo;
        add(play);
        if (lost)
            changeOfPossession();
        return !lost;
    }

    bool touchdownTry()
    {
        PlayRecord play = startPlay(PlayType::ExtraPoint);
        play.players[QuarterbackSlot] = player(m_home, 41, 1);
        const bool good = m_dice.chance(94);
        play.kickResult = code(good ? KickResult::FieldGoalGood : KickResult::FieldGoalWideLeft);
        play.scoreType = good ? code(ScoreType::ExtraPoint) : 0;
        add(play);
        m_kickoffNext = true;
        return false;
    }

    void fieldGoal()
    {
        PlayRecord play = startPlay(PlayType::FieldGoal);
        play.players[QuarterbackSlot] = player(m_home, 41, 1);
        const bool good = m_dice.chance(75);
        play.kickResult = code(good                ? KickResult::FieldGoalGood
                               : m_dice.chance(10) ? KickResult::BlockedFieldGoal
                                                   : KickResult::FieldGoalShort);
        play.scoreType = good ? code(ScoreType::FieldGoal) : 0;
        add(play);
        if (good)
            m_kickoffNext = true;
        else
            changeOfPossession();
    }

    void punt()
    {
        PlayRecord play = startPlay(PlayType::Punt);
        play.players[QuarterbackSlot] = player(m_home, 42, 1);
        const int length = m_dice.between(30, 50);
        const int received = std::min(100, m_ball + length);
        play.receivedAt = spotFor(m_home, received);
        int rest = received;
        if (m_dice.chance(3)) {
            play.kickResult = code(KickResult::BlockedPunt);
            rest = m_ball - 5;
        } else if (m_dice.chance(50)) {
            play.kickResult = code(KickResult::Runback);
            play.players[CarrierSlot] = player(!m_home, 30, 4);
            play.players[TacklerSlot] = player(m_home, 22, 11);
            rest = received - m_dice.between(0, 15);
            if (m_dice.chance(4)) {
                // The returner's fumble, recovered by the punting team: it keeps the ball.
                fumble(play, m_home);
                play.turnover = code(TurnoverKind::Fumble);
            }
        } else {
            play.kickResult = code(KickResult::FairCatch);
        }
        play.finalSpot = spotFor(m_home, rest);
        add(play);
        m_ball = std::clamp(rest, 1, 99);
        if (play.turnover == 0) {
            changeOfPossession();
        } else {
            m_down = 0;
            m_toGo = 10;
        }
    }

    void changeOfPossession(bool flipSpot = true)
    {
        if (flipSpot)
            m_ball = 100 - m_ball;
        m_home = !m_home;
        m_down = 0;
        m_toGo = 10;
    }

    Game &m_game;
    Dice &m_dice;
    int m_playCount;
    bool m_home = true;
    bool m_kickoffNext = true;
    int m_ball = 25; ///< from the own goal line of the team with the ball
    int m_down = 0;
    int m_toGo = 10;
};

} // namespace

std::string leagueTeamName(int index)
{
    return "Team " + std::to_string(index);
}

Game generateGame(std::uint32_t seed, int playCount, int teamCount)
{
    Dice dice(seed);
    const int home = dice.below(teamCount);
    const int visitor = (home + 1 + dice.below(teamCount - 1)) % teamCount;
    Game game;
    game.homeTeam = makeTeam(home);
    game.visitorTeam = makeTeam(visitor);
    game.info.homeTeamName = game.homeTeam.name;
    game.info.visitorTeamName = game.visitorTeam.name;
    game.info.gameYear = 2026;
    game.info.season = 2026;
    GameWriter(game, dice, playCount).run();
    game.plays.resize(static_cast<std::size_t>(playCount));
    return game;
}

std::vector<std::string> writeSeason(const std::filesystem::path &dir, int count, int playCount)
{
    std::filesystem::create_directories(dir);
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        Game game = generateGame(static_cast<std::uint32_t>(i + 1), playCount);
        const std::string path = (dir / ("game" + std::to_string(i) + ".gam")).string();
        if (saveGame(game, path))
            paths.push_back(path);
    }
    return paths;
}

} // namespace yardmark::bench
