#include "engine/analysis.hpp"

#include <span>
#include <stdexcept>

#include "engine/member_forces.hpp"
#include "engine/reactions.hpp"
#include "engine/truss_geometry.hpp"

namespace korvel::engine {
namespace {

// Long pasted texts are quoted in messages only by their beginning.
constexpr std::size_t kQuotedTextLimit = 40;

std::string quoted(std::string_view text) {
    std::string out = "\"";
    if (text.size() <= kQuotedTextLimit) {
        out.append(text).append("\"");
        return out;
    }
    // Never cut inside a UTF-8 character: back up to the start of the one at the limit.
    std::size_t cut = kQuotedTextLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    out.append(text.substr(0, cut)).append("...\" (").append(std::to_string(text.size()));
    out.append(" characters)");
    return out;
}

std::string_view text_at(const AnalysisResult& result, std::optional<std::size_t> index, std::string_view what) {
    if (!index) throw std::out_of_range("no such result: " + std::string(what));
    return result.texts[*index];
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

std::string_view AnalysisResult::text_of_label(std::string_view label) const {
    return text_at(*this, result_index_by_label(label), label);
}
std::string_view AnalysisResult::length(std::string_view member) const {
    return text_at(*this, result_index(member, ResultKind::Length), member);
}
std::string_view AnalysisResult::force(std::string_view member) const {
    return text_at(*this, result_index(member, ResultKind::Force), member);
}
std::string_view AnalysisResult::reaction(std::string_view name) const {
    return text_at(*this, result_index(name, ResultKind::Reaction), name);
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
        case ErrorKind::Overflow:
            if (subject.empty()) return "A number is too large to compute. Use smaller loads or a smaller span.";
            out.append("The ").append(subject).append(" is too large: ").append(quoted(text));
            out.append(". Enter a value below 922337203685477.");
            return out;
        case ErrorKind::DivisionByZero:
            return "The span is too small to analyse. Enter a span of at least 0.0003.";
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

    AnalysisOutcome outcome(std::in_place_type<AnalysisResult>);
    std::span<ResultText, kResultCount> texts(std::get<AnalysisResult>(outcome).texts);
    try {
        const NodeLoads loads(load_values);
        const Reactions reactions = support_reactions(geometry, loads);
        write_member_lengths(geometry, texts.first<kMemberCount>());
        texts[kMemberCount] = rounded_display(reactions.RL6);
        texts[kMemberCount + 1] = rounded_display(reactions.RL0);
        texts[kMemberCount + 2] = rounded_display(reactions.HL0);
        write_member_forces(geometry, loads, reactions, texts.last<kMemberCount>());
    } catch (const ArithmeticError& e) {
        // The span and the rise are the only divisors that can be zero.
        if (e.kind() == ErrorKind::DivisionByZero) return blame_span(e.kind(), input);
        return AnalysisError{e.kind(), {}, {}};
    }
    return outcome;
}

}  // namespace korvel::engine
