// Fuzz target for a whole analysis run. The input is split at its first 23 line
// breaks into the span text and the 23 load texts, in load-map order. Whatever
// the texts, the run must return (never crash or throw); on success all 61
// result texts are Fixed4 text; on an error, the error is the first one the run
// meets and names the input it blames.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <variant>

#include "engine/analysis.hpp"
#include "engine/fixed4.hpp"
#include "engine/truss_model.hpp"
#include "fuzz/conversion_outcome.hpp"
#include "fuzz/fixed4_text_shape.hpp"
#include "fuzz/fuzz_check.hpp"

namespace {

using korvel::engine::AnalysisError;
using korvel::engine::AnalysisInput;
using korvel::engine::AnalysisOutcome;
using korvel::engine::AnalysisResult;
using korvel::engine::ErrorKind;
using korvel::engine::ErrorSource;
using korvel::engine::kLoadCount;
using korvel::engine::kLoadMap;
using korvel::fuzz::fail;

AnalysisInput split_into_texts(std::string_view data) {
    AnalysisInput input;
    auto next_text = [&data] {
        const std::size_t end = data.find('\n');
        const std::string_view text = data.substr(0, end);
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
        return std::string(text);
    };
    input.span = next_text();
    for (std::size_t i = 0; i + 1 < kLoadCount; ++i) input.loads[i] = next_text();
    input.loads[kLoadCount - 1] = std::string(data);
    return input;
}

AnalysisOutcome run(const AnalysisInput& input, std::string_view data) {
    try {
        return korvel::engine::run_analysis(input);
    } catch (const std::exception& error) {
        fail(std::string("run_analysis threw ") + error.what(), data);
    } catch (...) {
        fail("run_analysis threw something that is not an exception", data);
    }
}

// A load reads as a number unless the conversion fails; the empty text is zero.
bool load_reads(const std::string& text, std::string_view data) {
    if (text.empty()) return true;
    return korvel::fuzz::run_conversion([&] { return korvel::engine::Fixed4::parse(text); }, data).value.has_value();
}

bool span_reads(const std::string& text, std::string_view data) {
    return korvel::fuzz::run_conversion([&] { return korvel::engine::parse_double(text); }, data).value.has_value();
}

void check_text(std::string_view what, korvel::engine::Fixed4 value, std::string_view data) {
    const std::string text = value.to_text();
    if (!korvel::fuzz::is_fixed4_text(text))
        fail(std::string(what) + " is not Fixed4 text: \"" + korvel::fuzz::escaped(text) + "\"", data);
    const auto reread = korvel::fuzz::run_conversion([&] { return korvel::engine::Fixed4::parse(text); }, data);
    if (!reread.value || *reread.value != value) fail("result text " + text + " does not read back as itself", data);
}

void check_result(const AnalysisInput& input, const AnalysisResult& result, std::string_view data) {
    for (const korvel::engine::Member member : korvel::engine::kMembers) {
        const std::string name(korvel::engine::member_name(member));
        check_text("the length of " + name, result.length(member), data);
        check_text("the force of " + name, result.force(member), data);
    }
    for (const korvel::engine::Reaction reaction : korvel::engine::kReactions)
        check_text(korvel::engine::reaction_name(reaction), result.reaction(reaction), data);
    if (!span_reads(input.span, data)) fail("a span that is not a number gave results", data);
    for (const std::string& load : input.loads)
        if (!load_reads(load, data)) fail("a load that is not a number gave results", data);
}

void check_error(const AnalysisInput& input, const AnalysisError& error, std::string_view data) {
    if ((error.kind == ErrorKind::MissingSpan) != input.span.empty())
        fail("missing span reported for a non-empty span, or not reported for an empty one", data);
    if (error.message().empty()) fail("an analysis error has no message", data);

    switch (error.source.kind) {
        case ErrorSource::Kind::None:
            if (!error.input_key().empty()) fail("an error blamed on no input names an input", data);
            break;
        case ErrorSource::Kind::Span:
            if (error.input_key() != "span") fail("an error blamed on the span names " + error.input_key(), data);
            if (error.kind == ErrorKind::TypeMismatch && span_reads(input.span, data))
                fail("a type mismatch blames the span, which reads as a number", data);
            break;
        case ErrorSource::Kind::Load: {
            const std::size_t blamed = error.source.load;
            if (blamed >= kLoadCount) fail("an error blames load index " + std::to_string(blamed), data);
            if (error.input_key() != korvel::engine::load_key(kLoadMap[blamed]))
                fail("an error blamed on " + korvel::engine::load_key(kLoadMap[blamed]) + " names " + error.input_key(),
                     data);
            // The span is read first and the loads in load-map order, so all of them
            // before the blamed load read well.
            if (!span_reads(input.span, data)) fail("the error blames a load though the span is not a number", data);
            for (std::size_t i = 0; i < blamed; ++i)
                if (!load_reads(input.loads[i], data))
                    fail("the error blames " + error.input_key() + " though an earlier load is not a number", data);
            if (error.kind == ErrorKind::TypeMismatch && load_reads(input.loads[blamed], data))
                fail("a type mismatch blames " + error.input_key() + ", which reads as a number", data);
            break;
        }
        case ErrorSource::Kind::Pitch:
            if (input.pitch.form != korvel::engine::PitchForm::Rise)
                fail("an error blames a pitch that is no rise", data);
            break;
    }
}

bool same_outcome(const AnalysisOutcome& a, const AnalysisOutcome& b) {
    if (a.index() != b.index()) return false;
    if (const auto* result = std::get_if<AnalysisResult>(&a)) return *result == std::get<AnalysisResult>(b);
    const auto& error_a = std::get<AnalysisError>(a);
    const auto& error_b = std::get<AnalysisError>(b);
    return error_a.kind == error_b.kind && error_a.source == error_b.source && error_a.text == error_b.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const AnalysisInput input = split_into_texts(data);
    const AnalysisOutcome outcome = run(input, data);
    if (const auto* result = std::get_if<AnalysisResult>(&outcome))
        check_result(input, *result, data);
    else
        check_error(input, std::get<AnalysisError>(outcome), data);

    // A run is a function of its texts alone.
    if (!same_outcome(outcome, run(input, data))) fail("two runs on the same texts differ", data);
    return 0;
}
