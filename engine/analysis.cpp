#include "engine/analysis.hpp"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "engine/overflow_blame.hpp"
#include "engine/quoted_text.hpp"
#include "engine/result_computation.hpp"
#include "engine/step_record.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {
namespace {

// Long pasted texts are quoted in messages only by their first characters.
constexpr QuoteLimit kPastedInputLimit{40, true};

std::string quoted(std::string_view text) { return quoted_text(text, kPastedInputLimit); }

// The largest whole number a span may have: the integer part of the largest Fixed4.
std::string largest_whole_span() { return std::to_string(std::numeric_limits<std::int64_t>::max() / Fixed4::kScale); }

// A rise is checked against the span it stands on: KORVEL takes pitches from 5° to 40°.
std::string pitch_range_message(std::string_view rise) {
    return "The " + quoted(rise) + " gives this span a roof pitch outside 5° to 40°, the pitches KORVEL takes. " +
           "Enter a rise from " + Fixed4::round(flattest_tangent() / 2 + 0.00005).to_text() + " to " +
           Fixed4::round(steepest_tangent() / 2 - 0.00005).to_text() + " times the span.";
}

AnalysisError blame_span(ErrorKind kind, const AnalysisInput& input) {
    return {kind, {ErrorSource::Kind::Span, 0}, input.span};
}

// Reads the 23 load texts in load-map order; an empty text means no load.
// Returns the first text that cannot be read as an error.
std::optional<AnalysisError> read_loads(const AnalysisInput& input, std::array<Fixed4, kLoadCount>& values) {
    for (std::size_t i = 0; i < kLoadCount; ++i) {
        const std::string& text = input.loads[i];
        if (text.empty()) {
            values[i] = Fixed4();
            continue;
        }
        try {
            values[i] = Fixed4::parse(text);
        } catch (const ArithmeticError& e) {
            return AnalysisError{e.kind(), {ErrorSource::Kind::Load, i}, text};
        }
    }
    return std::nullopt;
}

}  // namespace

void AnalysisInput::set_load(Node node, Component component, std::string text) {
    const std::optional<std::size_t> index = load_index(node, component);
    if (!index) {
        throw std::invalid_argument("the main window takes no " + load_description({"", node, component}));
    }
    loads[*index] = std::move(text);
}

std::string_view error_kind_key(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::MissingSpan: return "missing-span";
        case ErrorKind::TypeMismatch: return "type-mismatch";
        case ErrorKind::Overflow: return "overflow";
        case ErrorKind::DivisionByZero: return "division-by-zero";
        case ErrorKind::PitchOutOfRange: return "pitch-out-of-range";
    }
    return "unknown";
}

std::string AnalysisError::input_key() const {
    switch (source.kind) {
        case ErrorSource::Kind::Span: return "span";
        case ErrorSource::Kind::Load: return load_key(kLoadMap[source.load]);
        case ErrorSource::Kind::Pitch: return "pitch";
        case ErrorSource::Kind::None: break;
    }
    return {};
}

std::string AnalysisError::overflow_message(const std::string& subject) const {
    std::string out;
    switch (cause) {
        case OverflowCause::InputText:
            if (subject.empty()) break;
            out.append("The ").append(subject).append(" is too large: ").append(quoted(text)).append(". ");
            if (source.kind == ErrorSource::Kind::Span) {
                return out.append("Enter a span below ").append(largest_whole_span()).append(".");
            }
            return out.append("Enter a smaller load.");
        case OverflowCause::OneLoad:
            out.append("The ").append(subject).append(" is too large to compute: ").append(quoted(text));
            return out.append(". Enter a smaller load.");
        case OverflowCause::LoadsTogether:
            out.append("The loads are too large to compute together; the largest is the ").append(subject);
            return out.append(": ").append(quoted(text)).append(". Enter smaller loads.");
        case OverflowCause::SpanWithLoads:
            out.append("The span and the loads are too large to compute together: a span of ").append(quoted(text));
            return out.append(" with these loads. Enter a smaller span or smaller loads.");
    }
    return "A number is too large to compute. Enter smaller loads or a smaller span.";
}

std::string AnalysisError::message() const {
    const bool span = source.kind == ErrorSource::Kind::Span;
    std::string subject;
    if (span) subject = "span";
    if (source.kind == ErrorSource::Kind::Load) subject = load_description(kLoadMap[source.load]);

    std::string out;
    switch (kind) {
        case ErrorKind::MissingSpan: return std::string(kMissingSpanText);
        case ErrorKind::TypeMismatch:
            out.append("The ").append(subject).append(" is not a number: ").append(quoted(text)).append(". ");
            out.append(span ? "Type the span length as a number, such as 16 or 12.5."
                            : "Enter the load as a number, such as 10 or -2.5, or leave it empty for no load.");
            return out;
        case ErrorKind::Overflow: return overflow_message(subject);
        case ErrorKind::DivisionByZero: return "The span is too small to analyse. Enter a span of at least 0.0003.";
        case ErrorKind::PitchOutOfRange: return pitch_range_message(text);
    }
    return "The analysis failed.";
}

namespace {

template <typename Record>
AnalysisOutcome analysed(const AnalysisInput& input, Record& record) {
    if (input.span.empty()) return blame_span(ErrorKind::MissingSpan, input);

    TrussGeometry geometry;
    try {
        geometry = derive_geometry(input.span, input.pitch, record);
    } catch (const ArithmeticError& e) {
        if (e.kind() == ErrorKind::PitchOutOfRange)
            return AnalysisError{e.kind(), {ErrorSource::Kind::Pitch, 0}, input.pitch.text};
        return blame_span(e.kind(), input);
    }

    std::array<Fixed4, kLoadCount> load_values;
    if (std::optional<AnalysisError> error = read_loads(input, load_values)) return *std::move(error);

    try {
        return compute_results(geometry, load_values, record);
    } catch (const ArithmeticError& e) {
        // The span and the rise are the only divisors that can be zero.
        if (e.kind() == ErrorKind::DivisionByZero) return blame_span(e.kind(), input);
        return blame_overflow(input, geometry, load_values);
    }
}

}  // namespace

AnalysisOutcome run_analysis(const AnalysisInput& input) {
    NoRecord none;
    return analysed(input, none);
}

AnalysisOutcome run_analysis(const AnalysisInput& input, StepRecord& record) { return analysed(input, record); }

}  // namespace korvel::engine
