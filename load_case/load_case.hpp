#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/analysis.hpp"

namespace korvel::load_case {

// The largest case the programs read: a case file's size, and by default a
// batch line's length. Far beyond any case typed by hand, short of exhausting memory.
inline constexpr std::size_t kLargestCaseBytes = std::size_t{16} << 20;
// The largest case or project file the window and korvel-solve read: room for a
// project at its limits of 1,000 cases and 1,000 combinations.
inline constexpr std::size_t kLargestFileBytes = std::size_t{64} << 20;

// Which loads there are, for messages about a key that is not one.
inline constexpr std::string_view kLoadKeysHint =
    "loads are NODE.V for L0..L6 and U1..U7, and NODE.H for L0, U1..U7 and L6";

// Why a text is not a load case: what is wrong, where (line and column, or the key), and what is expected.
struct FormatError {
    std::string message;
};

// Reads one case object {"span": TEXT, "loads": {"U4.V": TEXT, ...}}: a missing span or load is empty;
// an optional "pitch": TEXT or "rise": TEXT gives the roof pitch (6:12 without one);
// only the keys span and loads, only load keys the main window takes, each at most once;
// values are JSON strings, or JSON numbers meaning exactly the text of the number as written.
std::variant<engine::AnalysisInput, FormatError> read_load_case(std::string_view json_text);

// The same into an input that is reused from case to case (every text of it is
// overwritten, so nothing of an earlier case survives); nothing on success.
std::optional<FormatError> read_load_case(std::string_view json_text, engine::AnalysisInput& input);

// Writes the case as one JSON object on one line (no trailing newline): texts as typed, empty loads omitted,
// loads in load-map order. read_load_case(write_load_case(x)) gives back x byte for byte for any UTF-8
// text. A byte that is not part of UTF-8 is written as U+FFFD (the replacement character), so the
// output is always valid JSON.
std::string write_load_case(const engine::AnalysisInput& input);

}  // namespace korvel::load_case
