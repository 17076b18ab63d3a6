#pragma once

#include "gameflow/gamesituation.h"
#include "gameflow/spotentry.h"
#include "records/settings.h"

#include <string>
#include <vector>

namespace yardmark {

class Interaction;
struct GameInfo;

/// "Ball On": the two team radios, the number field and its list.
struct BallOnForm {
    std::string homeName;
    std::string visitorName;
    std::vector<std::string> entries; ///< "G", then "1" to "50"
    int listIndex = -1;
    SpotEntry spot;
};

BallOnForm openBallOn(const GameSituation &situation, const GameInfo &info);
/// A list entry chosen (or double-clicked): the number field gets its first two characters.
void chooseBallOnEntry(BallOnForm &form, int index);
/// The spot OK puts the ball on.
FieldSpot ballOnSpot(const BallOnForm &form, const LeagueOptions &league);

/// "To Go": the number field and its list.
struct ToGoForm {
    std::vector<std::string> entries; ///< "0" up to twice the midfield yard line less one
    int listIndex = -1;
    std::string text;
};

ToGoForm openToGo(const GameSituation &situation, const LeagueOptions &league);
void chooseToGoEntry(ToGoForm &form, int index);
/// The distance OK sets: never below 0 nor beyond midfield, whatever the list offered.
std::int32_t toGoValue(const ToGoForm &form, const LeagueOptions &league);

/// "Record Time": the two fields as typed; both start empty. The dialog
/// also says which play it stamps and what to type.
struct RecordTimeForm {
    std::string minutes;
    std::string seconds;
    std::string play;        ///< the play's narration line
    std::string explanation; ///< what the two fields want
};

/// Stamps the play with the clock: minutes held within the quarter's length,
/// seconds within 0..60. 0:00 means no time was recorded.
void applyRecordTime(const RecordTimeForm &form, const LeagueOptions &league, PlayRecord &play);

/// Runs "Record Time" on a play being entered.
void recordTime(Interaction &ui, const LeagueOptions &league, PlayRecord &play, const GameInfo &info);

} // namespace yardmark
