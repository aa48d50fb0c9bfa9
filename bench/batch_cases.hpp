#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvel::bench {

// `count` JSON Lines cases for korvel-solve --batch, the same for the same seed:
// spans from 1 to 100 and a random subset of the 23 loads, each between -50 and
// 50 with up to four decimals.
std::string generate_batch_cases(std::size_t count, std::uint64_t seed = 20240229);

}  // namespace korvel::bench
