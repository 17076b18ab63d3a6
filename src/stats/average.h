#pragma once

#include <cstdint>

namespace yardmark {

/// `part` / `whole` (times `scale`), divided in double precision and kept in
/// single precision as the statistics store their averages; left as it is when
/// there is nothing to divide by, so an average over nothing stays 0.
inline void average(float &result, std::int32_t part, std::int32_t whole, double scale = 1.0)
{
    if (whole > 0)
        result = static_cast<float>(static_cast<double>(part) / whole * scale);
}

} // namespace yardmark
