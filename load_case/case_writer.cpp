#include <cstdio>

#include "engine/truss_model.hpp"
#include "load_case/load_case.hpp"
#include "load_case/utf8.hpp"

namespace korvel::load_case {

namespace {

// `text` as a JSON string: quotes, backslashes and control characters escaped,
// UTF-8 kept as it is, and each byte that is not UTF-8 replaced by U+FFFD.
void append_json_string(std::string& out, std::string_view text) {
    out += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
                    out += escaped;
                } else if (const std::size_t length = utf8_sequence_length(text, at); length > 1) {
                    out.append(text.substr(at, length));
                    at += length;
                    continue;
                } else if (length == 0) {
                    out += kReplacementCharacter;
                } else {
                    out += c;
                }
        }
        ++at;
    }
    out += '"';
}

}  // namespace

std::string write_load_case(const engine::AnalysisInput& input) {
    std::string out = "{\"span\": ";
    append_json_string(out, input.span);
    out += ", \"loads\": {";
    bool first = true;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (input.loads[i].empty()) continue;
        if (!first) out += ", ";
        first = false;
        append_json_string(out, engine::load_key(engine::kLoadMap[i]));
        out += ": ";
        append_json_string(out, input.loads[i]);
    }
    out += "}}";
    return out;
}

}  // namespace korvel::load_case
