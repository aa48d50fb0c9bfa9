#pragma once

namespace korvel::solve {

// How result texts are written in JSON: as strings, or as numbers (the same
// digits, unquoted) for readers that want numbers.
enum class ResultValues { Strings, Numbers };

}  // namespace korvel::solve
