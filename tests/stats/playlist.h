#pragma once

#include "records/game.h"
#include "records/playrecord.h"
#include "vocabulary/vocabulary.h"

#include <initializer_list>

namespace yardmark::test {

/// A spot given as its distance from the offense's own goal line.
FieldSpot spotFor(bool offenseIsHome, int fromOwnGoal, int midfield = 50);

/// A hand-made play, built up field by field. Spots are distances from the
/// goal line of the team with the ball.
class Play {
public:
    Play(PlayType type, bool homeHasBall);

    Play &quarter(int value);
    Play &clock(int minutes, int seconds);
    Play &down(int zeroBased);
    Play &from(int fromOwnGoal, int midfield = 50);
    Play &to(int fromOwnGoal, int midfield = 50);
    Play &received(int fromOwnGoal, int midfield = 50);
    Play &score(ScoreType value);
    Play &pass(PassResult value);
    Play &kick(KickResult value);
    Play &turnover(TurnoverKind value);
    Play &firstDown(FirstDownKind value = FirstDownKind::FirstDown);
    Play &fumbles(FumbleRecovery first, FumbleRecovery second = FumbleRecovery::NoFumble,
                  FumbleRecovery third = FumbleRecovery::NoFumble);
    Play &player(int slot, const char *name);

    operator PlayRecord() const { return m_play; }

private:
    PlayRecord m_play;
};

/// A game between "Home" and "Visitor" with the given plays.
Game gameOf(std::initializer_list<PlayRecord> plays);

} // namespace yardmark::test
