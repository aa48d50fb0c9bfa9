#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/envelope.hpp"
#include "engine/roof_pitch.hpp"

namespace korvel::load_case {

// A CSV field as the envelope table writes a name to a terminal: control
// characters escaped (\u001B, \n ...), quoted with its quotes doubled where it
// holds a comma or a quote.
std::string csv_field(std::string_view text);

// The item of the rows that name a combination left out of the envelope.
inline constexpr std::string_view kNotAnalysedItem = "not analysed";

// The envelope table as CSV (RFC 4180, CRLF line ends): the header
// item,max,max_by,min,min_by,reverses,note, a row per member in the results
// table's order, then a row per reaction, then where the envelope is incomplete
// a row per combination left out: item kNotAnalysedItem, note "NAME: why". `names` are the combinations' names in the
// order the envelope counts them; control characters in them are escaped as the
// table escapes them (\u001B, \n ...), and a name holding a comma or a quote is
// quoted. reverses is true where the value is positive under one combination
// and negative under another; note is the envelope table's note in the window's
// words ("reverses", "acts both ways", "uplift: hold down L0"). An envelope
// without values is the header and its rows of combinations left out.
// A roof that is not 6:12 ends it with the row pitch,TEXT,,,,, as the results CSV does.
std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names,
                         const engine::RoofPitch& pitch = {});

}  // namespace korvel::load_case
