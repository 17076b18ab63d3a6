#pragma once

#include <QTemporaryDir>

#include <map>
#include <memory>

class QSoundEffect;

namespace yardmark {

/// Plays the built-in sound effects. Playing never waits for the sound and
/// never fails the program.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    /// Stops the sound still playing, then starts `sound` (601..610).
    virtual void play(int sound) = 0;
};

/// The player used where there is nothing to hear: no audio device, or a
/// screen-less platform.
class SilentSoundPlayer final : public SoundPlayer {
public:
    void play(int) override {}
};

/// Plays through Qt Multimedia. The synthesized sounds are written once to a
/// private temporary folder, since a sound effect plays from a URL.
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;
    void play(int sound) override;

private:
    QTemporaryDir m_folder;
    std::map<int, std::unique_ptr<QSoundEffect>> m_effects;
    QSoundEffect *m_playing = nullptr;
};

/// The Qt player when the platform has a screen and an audio output and the
/// sounds could be prepared, otherwise the silent one.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

} // namespace yardmark
