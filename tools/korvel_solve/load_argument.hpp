#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::solve {

// One "--load NODE.C=TEXT" argument: which load label it fills and with what.
struct LoadAssignment {
    std::size_t load_index;  // into engine::kLoadMap
    std::string text;        // exactly as typed, blanks included
};

// Splits at the first '=' (the text may hold further ones) and looks the key up
// among the loads the main window takes. Throws UsageError naming the argument.
LoadAssignment parse_load_argument(std::string_view argument);

}  // namespace korvel::solve
