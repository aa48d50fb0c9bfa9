#pragma once

#include <string_view>

namespace korvel::solve {

// What --help prints: usage, options, load names, formats, examples and exit
// statuses, in lines of at most 80 columns.
extern const std::string_view kHelpText;

}  // namespace korvel::solve
