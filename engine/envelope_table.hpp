#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/envelope.hpp"

namespace korvel::engine {

// The envelope as one table: the order, captions, texts and words that the load
// cases window shows and that its report, its CSV and every command-line format
// write.

// The columns after the first, which holds the member or the reaction under
// the results table's kMemberHeading or kReactionsHeading.
inline constexpr std::array<std::string_view, 5> kEnvelopeValueHeadings{"Max", "Max by", "Min", "Min by", "Note"};

// The note of a row: why the member or support needs a second look.
inline constexpr std::string_view kReversesNote = "reverses";
inline constexpr std::string_view kActsBothWaysNote = "acts both ways";  // HL0, positive and negative
struct UpliftWords {
    Reaction reaction;
    std::string_view words;
};
inline constexpr std::array<UpliftWords, 2> kUpliftWords{{
    {Reaction::RL0, "uplift: hold down L0"},
    {Reaction::RL6, "uplift: hold down L6"},
}};

// One member or reaction: its extremes as texts, the names of the combinations
// that give them, and its note (empty when it has none).
struct EnvelopeRow {
    std::string_view item;
    std::string max;
    std::string_view max_by;
    std::string min;
    std::string_view min_by;
    std::string_view note;
    // Positive under one combination and negative under another.
    bool reverses = false;

    // The six cells in the order of the headings.
    std::array<std::string_view, 6> cells() const { return {item, max, max_by, min, min_by, note}; }
};

// A combination left out of the envelope, and why.
struct EnvelopeFailure {
    std::string_view name;
    std::string message;
};

struct EnvelopeTable {
    // Whether every combination was analysed.
    bool complete = true;
    // "Envelope of 3 combinations.", "Incomplete: the envelope leaves out 1 of 3 combinations."
    // or "No combination could be analysed."
    std::string status;
    std::vector<EnvelopeFailure> failures;
    // The reactions in the results table's order, then the members in theirs; both
    // empty when no combination could be analysed.
    std::vector<EnvelopeRow> reactions;
    std::vector<EnvelopeRow> members;
};

// The table of an envelope whose combinations are called `names`, in the order
// the envelope counts them. The rows point into `names`, which must outlive them.
EnvelopeTable envelope_table(const Envelope& envelope, std::span<const std::string> names);

}  // namespace korvel::engine
