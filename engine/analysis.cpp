#include "engine/analysis.hpp"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "engine/overflow_blame.hpp"
#include "engine/result_computation.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {
namespace {

// Long pasted texts are quoted in messages only by their first characters.
constexpr std::size_t kQuotedCharacterLimit = 40;

bool starts_character(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

// Characters of UTF-8 text, not bytes: "é" is one.
std::size_t character_count(std::string_view text) {
    std::size_t count = 0;
    for (const char byte : text)
        if (starts_character(byte)) ++count;
    return count;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    // The byte where character kQuotedCharacterLimit + 1 starts, if the text has that many.
    std::size_t cut = 0;
    std::size_t characters = 0;
    while (cut < text.size() && (characters < kQuotedCharacterLimit || !starts_character(text[cut]))) {
        if (starts_character(text[cut])) ++characters;
        ++cut;
    }
    if (cut == text.size()) {
        out.append(text).append("\"");
        return out;
    }
    out.append(text.substr(0, cut)).append("...\" (").append(std::to_string(character_count(text)));
    out.append(" characters)");
    return out;
}

// The largest whole number a span may have: the integer part of the largest Fixed4.
std::string largest_whole_span() { return std::to_string(std::numeric_limits<std::int64_t>::max() / Fixed4::kScale); }

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

bool AnalysisInput::set_load_by_label(std::string_view label, std::string text) {
    const std::optional<std::size_t> index = load_index_by_label(label);
    if (!index) return false;
    loads[*index] = std::move(text);
    return true;
}

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
    }
    return "unknown";
}

std::string AnalysisError::input_key() const {
    switch (source.kind) {
        case ErrorSource::Kind::Span: return "span";
        case ErrorSource::Kind::Load: return load_key(kLoadMap[source.load]);
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
    }
    return "The analysis failed.";
}

AnalysisOutcome run_analysis(const AnalysisInput& input) {
    if (input.span.empty()) return blame_span(ErrorKind::MissingSpan, input);

    TrussGeometry geometry;
    try {
        geometry = derive_geometry(input.span);
    } catch (const ArithmeticError& e) {
        return blame_span(e.kind(), input);
    }

    std::array<Fixed4, kLoadCount> load_values;
    if (std::optional<AnalysisError> error = read_loads(input, load_values)) return *std::move(error);

    try {
        return compute_results(geometry, load_values);
    } catch (const ArithmeticError& e) {
        // The span and the rise are the only divisors that can be zero.
        if (e.kind() == ErrorKind::DivisionByZero) return blame_span(e.kind(), input);
        return blame_overflow(input, geometry, load_values);
    }
}

}  // namespace korvel::engine
