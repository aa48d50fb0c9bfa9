#pragma once

#include <stdexcept>
#include <string>

namespace korvel::solve {

// A command line that cannot be run; the message names the offending argument.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};

// A named file that cannot be read or holds no usable case or project: the
// command line itself is right, so its help would not help.
class InputError : public UsageError {
public:
    using UsageError::UsageError;
};

}  // namespace korvel::solve
