#pragma once

#include <stdexcept>
#include <string>

namespace korvel::solve {

// Reading an input or writing the results failed; the message names what and why.
class IoError : public std::runtime_error {
public:
    explicit IoError(const std::string& message) : std::runtime_error(message) {}
};

// The description of the last system error (errno), e.g. "No space left on device".
std::string system_error_text(int error_number);

}  // namespace korvel::solve
