#pragma once

#include <array>
#include <cstdint>

namespace korvel::engine {

// 10^0 to 10^19: every power of ten a 64-bit count can hold.
inline constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

}  // namespace korvel::engine
