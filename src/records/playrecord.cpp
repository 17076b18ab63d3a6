#include "playrecord.h"

namespace yardmark {

void PlayRecord::clearFumble(int i)
{
    fumbles[i] = 0;
    fumbleRecoveredByHome[i] = true;
    fumbleRecoveredAt[i] = FieldSpot{};
    fumbleReturnedTo[i] = FieldSpot{};
    players[FirstRecovererSlot + i] = PlayerRecord{};
}

} // namespace yardmark
