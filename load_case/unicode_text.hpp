#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::load_case {

// The form in which names of cases and combinations are compared and kept:
// Unicode NFC with white space trimmed at both ends, so that "Å" typed as one
// character or as A and a combining ring, or "A " and "A", are one name.
// Text that is not UTF-8 is only trimmed of ASCII blanks.
std::string name_key(std::string_view name);

// Whether `name` is its own name_key without converting it: plain ASCII with no
// blank at either end, as nearly every name is.
bool is_own_name_key(std::string_view name);

// How many terminal columns `text` (UTF-8) takes: combining marks and format
// characters none, East Asian wide and fullwidth characters two, others one.
std::size_t display_width(std::string_view text);

}  // namespace korvel::load_case
