#pragma once

#include <stdexcept>
#include <string>

namespace korvel::solve {

// A command line that cannot be run; the message names the offending argument.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace korvel::solve
