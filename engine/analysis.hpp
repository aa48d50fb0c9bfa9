#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/arithmetic_error.hpp"
#include "engine/result_text.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The inputs of one analysis exactly as the main window holds them.
struct AnalysisInput {
    std::string span;
    std::array<std::string, kLoadCount> loads;  // in load-map order; empty means zero

    // Sets a load by its label name ("Label29"); false when there is no such load label.
    bool set_load_by_label(std::string_view label, std::string text);
    void set_load(Node node, Component component, std::string text);
};

// The 61 result texts, in the order of kResultSlots.
struct AnalysisResult {
    std::array<ResultText, kResultCount> texts;

    std::string_view text_of_label(std::string_view label) const;
    std::string_view length(std::string_view member) const;
    std::string_view force(std::string_view member) const;
    std::string_view reaction(std::string_view name) const;  // "RL0", "RL6" or "HL0"
};

// Which input an error is blamed on.
struct ErrorSource {
    enum class Kind { None, Span, Load } kind = Kind::None;
    std::size_t load = 0;  // index into kLoadMap when kind == Load

    friend bool operator==(const ErrorSource&, const ErrorSource&) = default;
};

// What an overflow was traced to, which decides what its message asks the user to change.
enum class OverflowCause {
    InputText,      // the blamed input's text alone lies beyond the computable range
    OneLoad,        // the blamed load, the largest, overflows the arithmetic on its own
    LoadsTogether,  // no load alone overflows; the blamed load is the largest
    SpanWithLoads,  // the loads compute on a unit span; the blamed span is too large for them
};

struct AnalysisError {
    ErrorKind kind;
    ErrorSource source;
    std::string text;                                // the offending input text, where there is one
    OverflowCause cause = OverflowCause::InputText;  // only for ErrorKind::Overflow

    // A sentence for the user that says what is wrong and what to fix.
    std::string message() const;
    // "span", "U4.V", or empty when no single input is to blame.
    std::string input_key() const;

private:
    std::string overflow_message(const std::string& subject) const;
};

std::string_view error_kind_key(ErrorKind kind);  // "missing-span", "type-mismatch", ...

// The text and title of the message shown for an empty span box.
inline constexpr std::string_view kMissingSpanText = "Please input the span length";
inline constexpr std::string_view kMissingSpanTitle = "Span length?";

using AnalysisOutcome = std::variant<AnalysisResult, AnalysisError>;

// One analysis run: from the span text and the 23 load texts to the 61 result
// texts, or the first error the run meets (span, then loads in load-map order,
// then the arithmetic). On an error no result text is produced at all.
AnalysisOutcome run_analysis(const AnalysisInput& input);

}  // namespace korvel::engine
