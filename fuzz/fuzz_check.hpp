#pragma once

#include <string>
#include <string_view>

namespace korvel::fuzz {

// The bytes with everything outside printable ASCII written as \xNN, so a
// failing input can be read off the report and typed back in.
std::string escaped(std::string_view bytes);

// Stops the run with the broken property and the input that broke it. Aborting
// makes libFuzzer keep the input as a crash, and fails the replay test.
[[noreturn]] void fail(std::string_view broken_property, std::string_view input);

}  // namespace korvel::fuzz
