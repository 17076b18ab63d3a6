#pragma once

#include "app/common/soundplayer.h"
#include "support/scripteduserinterface.h"

#include <vector>

namespace yardmark {

/// A sound player that only notes the sounds it was asked to play.
class RecordingSoundPlayer final : public SoundPlayer {
public:
    explicit RecordingSoundPlayer(std::vector<int> &played) : m_played(played) {}
    void play(int sound) override { m_played.push_back(sound); }

private:
    std::vector<int> &m_played;
};

} // namespace yardmark
