#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/analysis.hpp"
#include "tools/korvel_solve/result_values.hpp"

namespace korvel::solve {

// Keys keep the order they were inserted in: lengths, reactions, forces, and
// the members in the results window's table order.
using Json = nlohmann::ordered_json;

// {"lengths": {"L0L1": "1.5625", ...}, "reactions": {"RL0": ..., "RL6": ..., "HL0": ...},
//  "forces": {"L0L1": ..., ...}}, every value the result text.
Json result_json(const engine::AnalysisResult& result);

enum class ResultGroup : std::uint8_t { Lengths, Reactions, Forces };

// Appends result_json() as one line, fast enough for long batches. The document's
// shape never changes, so it is serialized once and cut around each value; a
// result then only fills its 61 texts into the gaps. With ResultValues::Numbers
// a text goes unquoted: every Fixed4 text is a JSON number.
class ResultLineWriter {
public:
    static constexpr std::size_t kValueCount = 2 * engine::kMemberCount + engine::kReactionCount;

    // One value of the document: a member's length or force, or a reaction.
    struct DocumentValue {
        ResultGroup group;
        std::size_t id;  // a Member, or a Reaction in the reactions group
    };

    explicit ResultLineWriter(ResultValues values = ResultValues::Strings);

    void append(std::string& out, const engine::AnalysisResult& result) const;

private:
    // The text between two values (the quotes around them included), kept in a
    // block of fixed size that is copied whole: a few moves, whatever the text.
    struct Fragment {
        static constexpr std::size_t kBlock = 32;
        std::array<char, kBlock> text{};
        std::size_t size = 0;
    };
    // fragments_[i] comes before the i-th value of the document, the last one closes it.
    std::array<Fragment, kValueCount + 1> fragments_;
};

// {"error": {"kind": ..., "input": ..., "text": ..., "message": ...}}; input and
// text only when the error is blamed on one input.
Json error_json(const engine::AnalysisError& error);

// {"error": {"kind": "bad-request", "message": ...}} for a batch line that is not a case.
Json bad_request_json(std::string_view message);

// Appends one line of compact JSON. Bytes that are not UTF-8 (an input echoed
// in an error) are replaced rather than failing the whole output.
void append_json_line(std::string& out, const Json& document);

}  // namespace korvel::solve
