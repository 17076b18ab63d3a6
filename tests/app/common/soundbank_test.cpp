#include "app/common/soundbank.h"
#include "app/common/soundplayer.h"

#include "base/userinterface.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace yardmark {
namespace {

std::uint32_t field(const std::vector<std::uint8_t> &bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | bytes.at(offset + static_cast<std::size_t>(i));
    return value;
}

std::string tag(const std::vector<std::uint8_t> &bytes, std::size_t offset)
{
    return std::string(bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset) + 4);
}

TEST(SoundBankTest, EverySoundIsAShortPcmWaveFile)
{
    for (int sound = kFirstSound; sound <= kLastSound; ++sound) {
        SCOPED_TRACE(sound);
        const std::vector<std::uint8_t> wav = synthesizeSound(sound);
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(tag(wav, 0), "RIFF");
        EXPECT_EQ(field(wav, 4, 4), wav.size() - 8);
        EXPECT_EQ(tag(wav, 8), "WAVE");
        EXPECT_EQ(tag(wav, 12), "fmt ");
        EXPECT_EQ(field(wav, 16, 4), 16u);
        EXPECT_EQ(field(wav, 20, 2), 1u); // PCM
        EXPECT_EQ(field(wav, 22, 2), 1u); // mono
        EXPECT_EQ(field(wav, 24, 4), static_cast<std::uint32_t>(kSoundSampleRate));
        EXPECT_EQ(field(wav, 28, 4), static_cast<std::uint32_t>(kSoundSampleRate * 2));
        EXPECT_EQ(field(wav, 32, 2), 2u);
        EXPECT_EQ(field(wav, 34, 2), 16u);
        EXPECT_EQ(tag(wav, 36), "data");
        EXPECT_EQ(field(wav, 40, 4), wav.size() - 44);
        EXPECT_EQ(wav.size() % 2, 0u);
        // Short enough not to hold up the scorer: at most a second.
        EXPECT_LE(wav.size() - 44, static_cast<std::size_t>(kSoundSampleRate * 2));
    }
}

TEST(SoundBankTest, SoundsAreAudibleDistinctAndRepeatable)
{
    std::set<std::vector<std::uint8_t>> distinct;
    for (int sound = kFirstSound; sound <= kLastSound; ++sound) {
        SCOPED_TRACE(sound);
        const std::vector<std::uint8_t> wav = synthesizeSound(sound);
        EXPECT_EQ(wav, synthesizeSound(sound));
        int loudest = 0;
        for (std::size_t i = 44; i + 1 < wav.size(); i += 2)
            loudest = std::max(loudest, std::abs(static_cast<int>(static_cast<std::int16_t>(field(wav, i, 2)))));
        EXPECT_GT(loudest, 3000);
        EXPECT_LT(loudest, 32767); // never clipped
        // Silent at both ends, so that stopping and starting does not click.
        EXPECT_LT(std::abs(static_cast<std::int16_t>(field(wav, 44, 2))), 200);
        EXPECT_LT(std::abs(static_cast<std::int16_t>(field(wav, wav.size() - 2, 2))), 200);
        distinct.insert(wav);
    }
    EXPECT_EQ(distinct.size(), 10u);
}

TEST(SoundBankTest, NumbersOutsideTheSetHaveNoSound)
{
    for (int sound : {0, 600, 611, -601})
        EXPECT_TRUE(synthesizeSound(sound).empty()) << sound;
}

TEST(SoundPlayerTest, PlayingNeverWaitsEvenWithoutAnAudioDevice)
{
    // With no device to play on, starting a sound fails at once; a player
    // that waited for the last sound to end would hang here.
    EffectSoundPlayer player;
    for (int sound : {607, 601, 601, 604, 0, 999})
        player.play(sound);
    SilentSoundPlayer silent;
    silent.play(601);
    EXPECT_NE(dynamic_cast<SilentSoundPlayer *>(makeSoundPlayer().get()), nullptr); // offscreen: silent
}

} // namespace
} // namespace yardmark
