#pragma once

#include <span>
#include <string>
#include <string_view>

#include "engine/envelope.hpp"

namespace korvel::load_case {

// A CSV field: quoted, with its quotes doubled, where it holds a comma, a quote or a line break.
std::string csv_field(std::string_view text);

// The envelope as CSV (RFC 4180, CRLF line ends): the header
// item,max,max_by,min,min_by,reverses, a row per member in the results table's
// order, then a row per reaction; `names` are the combinations' names in the
// order the envelope counts them, quoted where they hold a comma, a quote or a
// line break. An envelope without values is the header alone.
std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names);

}  // namespace korvel::load_case
