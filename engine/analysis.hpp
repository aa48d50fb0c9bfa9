#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/arithmetic_error.hpp"
#include "engine/fixed4.hpp"
#include "engine/roof_pitch.hpp"
#include "engine/truss_model.hpp"

namespace korvel::engine {

// The inputs of one analysis exactly as the main window holds them.
struct AnalysisInput {
    std::string span;
    std::array<std::string, kLoadCount> loads;  // in load-map order; empty means zero
    RoofPitch pitch = {};                       // 6:12 unless the user gives another

    void set_load(Node node, Component component, std::string text);

    friend bool operator==(const AnalysisInput&, const AnalysisInput&) = default;
};

// Every result of a run as a value: the length and the axial force (tension
// positive) of each member and the three support reactions, each rounded to
// Fixed4 exactly as it is displayed; its text is value.to_text().
struct AnalysisResult {
    using MemberValues = std::array<Fixed4, kMemberCount>;      // indexed by Member
    using ReactionValues = std::array<Fixed4, kReactionCount>;  // indexed by Reaction

    AnalysisResult() = default;
    AnalysisResult(const MemberValues& lengths, const MemberValues& forces, const ReactionValues& reactions)
        : lengths_(lengths), forces_(forces), reactions_(reactions) {}

    Fixed4 length(Member member) const { return lengths_[to_index(member)]; }
    Fixed4 force(Member member) const { return forces_[to_index(member)]; }
    Fixed4 reaction(Reaction reaction) const { return reactions_[to_index(reaction)]; }
    // The true slope t of the truss analysed (1/2 at 6:12), by which it is drawn.
    double tangent() const { return tangent_; }

    void set_length(Member member, Fixed4 value) { lengths_[to_index(member)] = value; }
    void set_force(Member member, Fixed4 value) { forces_[to_index(member)] = value; }
    void set_reaction(Reaction reaction, Fixed4 value) { reactions_[to_index(reaction)] = value; }
    void set_tangent(double tangent) { tangent_ = tangent; }

    friend bool operator==(const AnalysisResult&, const AnalysisResult&) = default;

private:
    MemberValues lengths_{};
    MemberValues forces_{};
    ReactionValues reactions_{};
    double tangent_ = 0.5;
};

// Which input an error is blamed on.
struct ErrorSource {
    enum class Kind { None, Span, Load, Pitch } kind = Kind::None;
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

// One analysis run: from the span text and the 23 load texts to the 61 results,
// or the first error the run meets (span, then loads in load-map order, then
// the arithmetic). On an error no result is produced at all.
AnalysisOutcome run_analysis(const AnalysisInput& input);

class StepRecord;
// The same run, recording every value it computes for its working.
AnalysisOutcome run_analysis(const AnalysisInput& input, StepRecord& record);

}  // namespace korvel::engine
