#include "playentrycontext.h"

#include "gameflow/corrections.h"

namespace yardmark {

void PlayEntryContext::recordTime() const
{
    yardmark::recordTime(m_ui, m_league, m_currentPlay, m_game.info);
}

} // namespace yardmark
