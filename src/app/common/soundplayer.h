#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <cstdint>
#include <vector>
#else
#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#endif

#include <map>
#include <memory>

class QAudioSink;

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

/// Plays through the default audio output. The synthesized sounds stay in
/// memory and are played from there, so there are no files to write and no
/// loader threads to wait for.
class EffectSoundPlayer final : public SoundPlayer {
public:
    EffectSoundPlayer();
    ~EffectSoundPlayer() override;
    void play(int sound) override;

private:
#ifdef Q_OS_WIN
    // Whole WAV images: the system's player reads them from memory while it
    // plays, so they live as long as the player.
    std::map<int, std::vector<std::uint8_t>> m_waves;
#else
    std::map<int, QByteArray> m_samples; // 16-bit mono PCM
    QAudioFormat m_format;
    QBuffer m_playing;
    std::unique_ptr<QAudioSink> m_sink;
#endif
};

/// The Qt player when the platform has a screen and an audio output and the
/// sounds could be prepared, otherwise the silent one.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

} // namespace yardmark
