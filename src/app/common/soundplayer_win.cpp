#include "app/common/soundplayer.h"

#include "app/common/soundbank.h"
#include "base/userinterface.h"

#include <QGuiApplication>

#include <windows.h>

#include <mmsystem.h>

namespace yardmark {

// Windows plays a WAV image held in memory by itself, on its own thread:
// SND_ASYNC returns at once, a new sound replaces the one playing, and with no
// audio device the call fails at once. No audio library has to ship with the
// program.

EffectSoundPlayer::EffectSoundPlayer()
{
    for (int sound = kFirstSound; sound <= kLastSound; ++sound) {
        std::vector<std::uint8_t> wav = synthesizeSound(sound);
        if (!wav.empty())
            m_waves.emplace(sound, std::move(wav));
    }
}

EffectSoundPlayer::~EffectSoundPlayer()
{
    // The system may still be reading the image being played.
    PlaySoundW(nullptr, nullptr, 0);
}

void EffectSoundPlayer::play(int sound)
{
    const auto found = m_waves.find(sound);
    if (found == m_waves.end()) {
        PlaySoundW(nullptr, nullptr, 0);
        return;
    }
    PlaySoundW(reinterpret_cast<LPCWSTR>(found->second.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}

std::unique_ptr<SoundPlayer> makeSoundPlayer()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return std::make_unique<SilentSoundPlayer>();
    if (waveOutGetNumDevs() == 0)
        return std::make_unique<SilentSoundPlayer>();
    return std::make_unique<EffectSoundPlayer>();
}

} // namespace yardmark
