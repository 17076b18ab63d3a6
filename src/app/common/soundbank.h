#pragma once

#include <cstdint>
#include <vector>

namespace yardmark {

/// The sample rate of the built-in sounds (mono, 16-bit).
inline constexpr int kSoundSampleRate = 22050;

/// The sound effect `sound` (601..610) as the bytes of a WAV file, made by the
/// program itself so that no recording has to ship with it. Empty for any
/// other number. The same number always gives the same bytes.
std::vector<std::uint8_t> synthesizeSound(int sound);

} // namespace yardmark
