#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/envelope.hpp"

namespace korvel::load_case {

// A CSV field as the envelope table writes a name to a terminal: control
// characters escaped (\u001B, \n ...), quoted with its quotes doubled where it
// holds a comma or a quote.
std::string csv_field(std::string_view text);

// The envelope table as CSV (RFC 4180, CRLF line ends): the header
// item,max,max_by,min,min_by,reverses, a row per member in the results table's
// order, then a row per reaction. `names` are the combinations' names in the
// order the envelope counts them; control characters in them are escaped as the
// table escapes them (\u001B, \n ...), and a name holding a comma or a quote is
// quoted. reverses is true where the value is positive under one combination
// and negative under another; a negative min of RL0 or RL6 is uplift. An
// envelope without values is the header alone.
std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names);

}  // namespace korvel::load_case
