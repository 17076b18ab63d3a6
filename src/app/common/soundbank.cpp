#include "app/common/soundbank.h"

#include "base/userinterface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace yardmark {
namespace {

using Samples = std::vector<float>;

constexpr float kTwoPi = 2.0f * std::numbers::pi_v<float>;

std::size_t sampleCount(float seconds)
{
    return static_cast<std::size_t>(seconds * kSoundSampleRate);
}

// A short fade in and out keeps the speaker from clicking.
void fadeEnds(Samples &samples, float seconds = 0.005f)
{
    const std::size_t fade = std::min(sampleCount(seconds), samples.size() / 2);
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(fade);
        samples[i] *= gain;
        samples[samples.size() - 1 - i] *= gain;
    }
}

// A tone gliding from `from` to `to` Hz, decaying with `decay` per second
// (0 for a steady tone); `harmonic` adds a third harmonic for a brassier sound.
Samples tone(float seconds, float from, float to, float decay = 0.0f, float harmonic = 0.0f)
{
    Samples samples(sampleCount(seconds));
    float phase = 0.0f;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / kSoundSampleRate;
        const float frequency = from + (to - from) * t / seconds;
        phase += kTwoPi * frequency / kSoundSampleRate;
        const float wave = std::sin(phase) + harmonic * std::sin(3.0f * phase);
        samples[i] = wave / (1.0f + harmonic) * std::exp(-decay * t);
    }
    fadeEnds(samples);
    return samples;
}

// Noise from a fixed seed, so that every run makes the same sound.
Samples noise(float seconds, float decay, float smoothing)
{
    Samples samples(sampleCount(seconds));
    std::uint32_t state = 0x2545F491u;
    float low = 0.0f;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const float white = static_cast<float>(state >> 8) / static_cast<float>(1u << 24) * 2.0f - 1.0f;
        low += (white - low) * smoothing;
        const float t = static_cast<float>(i) / kSoundSampleRate;
        samples[i] = low * std::exp(-decay * t);
    }
    fadeEnds(samples);
    return samples;
}

Samples silence(float seconds)
{
    return Samples(sampleCount(seconds), 0.0f);
}

Samples sequence(std::initializer_list<Samples> parts)
{
    Samples all;
    for (const Samples &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A referee's whistle: a high tone warbling quickly.
Samples whistle(float seconds)
{
    Samples samples(sampleCount(seconds));
    float phase = 0.0f;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / kSoundSampleRate;
        const float frequency = 2900.0f + 120.0f * std::sin(kTwoPi * 28.0f * t);
        phase += kTwoPi * frequency / kSoundSampleRate;
        samples[i] = 0.8f * std::sin(phase);
    }
    fadeEnds(samples, 0.02f);
    return samples;
}

// A crowd's cheer: noise swelling and fading.
Samples cheer(float seconds)
{
    Samples samples = noise(seconds, 0.0f, 0.35f);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(samples.size());
        samples[i] *= std::sin(std::numbers::pi_v<float> * t) * 1.6f;
    }
    return samples;
}

Samples samplesFor(int sound)
{
    switch (sound) {
    case kClickSound:
        return tone(0.04f, 1800.0f, 1200.0f, 90.0f);
    case kChimeSound:
        return sequence({tone(0.12f, 880.0f, 880.0f, 12.0f), tone(0.2f, 1320.0f, 1320.0f, 10.0f)});
    case kTimeOutSound:
        return sequence({whistle(0.18f), silence(0.06f), whistle(0.35f)});
    case kWarningSound:
        return sequence(
            {tone(0.12f, 440.0f, 440.0f, 0.0f, 0.3f), silence(0.05f), tone(0.12f, 440.0f, 440.0f, 0.0f, 0.3f)});
    case kLoadFailedSound:
        return tone(0.35f, 620.0f, 280.0f, 3.0f, 0.3f);
    case kGameStartSound:
        return sequence({tone(0.12f, 523.3f, 523.3f, 6.0f, 0.2f), tone(0.12f, 659.3f, 659.3f, 6.0f, 0.2f),
                         tone(0.25f, 784.0f, 784.0f, 5.0f, 0.2f)});
    case kProgramStartSound:
        return sequence({tone(0.14f, 392.0f, 392.0f, 4.0f, 0.35f), tone(0.14f, 523.3f, 523.3f, 4.0f, 0.35f),
                         tone(0.14f, 659.3f, 659.3f, 4.0f, 0.35f), tone(0.4f, 784.0f, 784.0f, 3.0f, 0.35f)});
    case kThudSound:
        return tone(0.2f, 110.0f, 60.0f, 18.0f);
    case kCheerSound:
        return cheer(0.8f);
    case kBuzzerSound:
        return tone(0.6f, 180.0f, 180.0f, 0.0f, 0.8f);
    default:
        return {};
    }
}

// Little-endian fields of the RIFF header.
void put(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void put(std::vector<std::uint8_t> &out, const char (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A canonical 44-byte PCM header followed by the samples at 16 bits.
std::vector<std::uint8_t> wavFile(const Samples &samples)
{
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    put(out, "RIFF");
    put(out, 36 + dataSize, 4);
    put(out, "WAVE");
    put(out, "fmt ");
    put(out, 16, 4); // size of the format block
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, kSoundSampleRate, 4);
    put(out, kSoundSampleRate * kBytesPerSample, 4);
    put(out, kBytesPerSample, 2); // block align
    put(out, 16, 2);              // bits per sample
    put(out, "data");
    put(out, dataSize, 4);
    for (float sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 0.6f * 32767.0f));
        put(out, static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> synthesizeSound(int sound)
{
    const Samples samples = samplesFor(sound);
    if (samples.empty())
        return {};
    return wavFile(samples);
}

} // namespace yardmark
