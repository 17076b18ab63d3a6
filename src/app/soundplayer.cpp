#include "soundplayer.h"

#include "records/userinterface.h"
#include "soundbank.h"

#include <QAudioDevice>
#include <QFile>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace yardmark {

EffectSoundPlayer::EffectSoundPlayer()
{
    if (!m_folder.isValid())
        return;
    for (int sound = kFirstSound; sound <= kLastSound; ++sound) {
        const std::vector<std::uint8_t> wav = synthesizeSound(sound);
        QFile file(m_folder.filePath(QString::number(sound) + QStringLiteral(".wav")));
        if (!file.open(QIODevice::WriteOnly))
            continue;
        const auto size = static_cast<qint64>(wav.size());
        if (file.write(reinterpret_cast<const char *>(wav.data()), size) != size)
            continue;
        file.close();
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file.fileName()));
        effect->setVolume(0.8f);
        m_effects.emplace(sound, std::move(effect));
    }
}

EffectSoundPlayer::~EffectSoundPlayer() = default;

void EffectSoundPlayer::play(int sound)
{
    // A sound effect with no device to play on reports playing forever, so
    // the player never waits on it: it stops the last one it started.
    if (m_playing)
        m_playing->stop();
    m_playing = nullptr;
    const auto found = m_effects.find(sound);
    if (found == m_effects.end())
        return;
    m_playing = found->second.get();
    m_playing->play();
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
