#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "engine/analysis.hpp"

namespace korvel::engine::testing {

using Loads = std::initializer_list<std::pair<const char*, const char*>>;

// Builds the inputs of a run from a span text and loads keyed "U4.V", "L0.H", ...
inline AnalysisInput make_input(const std::string& span, Loads loads = {}) {
    AnalysisInput input;
    input.span = span;
    for (const auto& [key, text] : loads) {
        const auto index = load_index_by_key(key);
        if (!index) throw std::invalid_argument(std::string("no such load: ") + key);
        input.loads[*index] = text;
    }
    return input;
}

inline AnalysisResult analyse(const std::string& span, Loads loads = {}) {
    AnalysisOutcome outcome = run_analysis(make_input(span, loads));
    if (const auto* error = std::get_if<AnalysisError>(&outcome)) {
        ADD_FAILURE() << "analysis failed: " << error->message();
        return {};
    }
    return std::get<AnalysisResult>(std::move(outcome));
}

// The ids of names that these tests write in their tables; an unknown name fails the test.
inline Member member(std::string_view name) {
    const std::optional<Member> id = member_from_name(name);
    if (!id) throw std::invalid_argument("no such member: " + std::string(name));
    return *id;
}
inline Reaction reaction(std::string_view name) {
    const std::optional<Reaction> id = reaction_from_name(name);
    if (!id) throw std::invalid_argument("no such reaction: " + std::string(name));
    return *id;
}

// Result texts by name, as the results window shows them.
inline std::string length_text(const AnalysisResult& result, std::string_view name) {
    return result.length(member(name)).to_text();
}
inline std::string force_text(const AnalysisResult& result, std::string_view name) {
    return result.force(member(name)).to_text();
}
inline std::string reaction_text(const AnalysisResult& result, std::string_view name) {
    return result.reaction(reaction(name)).to_text();
}

// A result text with its sign turned round; "0" stays "0", as results are never "-0".
inline std::string negated_text(std::string_view text) {
    if (text == "0") return std::string(text);
    if (text.front() == '-') return std::string(text.substr(1));
    // Appended rather than prefixed: GCC 12 at -O3 misreads a prefix insert as an overlapping copy.
    std::string minus_text = "-";
    minus_text += text;
    return minus_text;
}

}  // namespace korvel::engine::testing
