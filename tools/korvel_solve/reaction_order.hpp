#pragma once

#include <array>
#include <string_view>

namespace korvel::solve {

// The reactions in the order the results window lists them.
inline constexpr std::array<std::string_view, 3> kReactionsInOrder{"RL0", "RL6", "HL0"};

}  // namespace korvel::solve
