#include "app/common/soundplayer.h"

#include "app/common/soundbank.h"
#include "base/userinterface.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QGuiApplication>
#include <QMediaDevices>

namespace yardmark {

namespace {

constexpr qsizetype kWaveHeaderSize = 44;

} // namespace

EffectSoundPlayer::EffectSoundPlayer()
{
    m_format.setSampleRate(kSoundSampleRate);
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    for (int sound = kFirstSound; sound <= kLastSound; ++sound) {
        const std::vector<std::uint8_t> wav = synthesizeSound(sound);
        if (static_cast<qsizetype>(wav.size()) <= kWaveHeaderSize)
            continue;
        m_samples.emplace(sound, QByteArray(reinterpret_cast<const char *>(wav.data()) + kWaveHeaderSize,
                                            static_cast<qsizetype>(wav.size()) - kWaveHeaderSize));
    }
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), m_format);
    m_sink->setVolume(0.8);
}

EffectSoundPlayer::~EffectSoundPlayer()
{
    m_sink->stop();
}

void EffectSoundPlayer::play(int sound)
{
    // The output pulls the samples from the buffer as it plays; starting
    // returns at once whether or not there is a device to hear it on.
    m_sink->stop();
    m_playing.close();
    const auto found = m_samples.find(sound);
    if (found == m_samples.end())
        return;
    m_playing.setData(found->second);
    if (m_playing.open(QIODevice::ReadOnly))
        m_sink->start(&m_playing);
}

std::unique_ptr<SoundPlayer> makeSoundPlayer()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return std::make_unique<SilentSoundPlayer>();
    if (QMediaDevices::defaultAudioOutput().isNull())
        return std::make_unique<SilentSoundPlayer>();
    return std::make_unique<EffectSoundPlayer>();
}

} // namespace yardmark
