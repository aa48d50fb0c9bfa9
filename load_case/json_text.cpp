#include "load_case/json_text.hpp"

#include <cstdio>

#include "engine/utf8.hpp"

namespace korvel::load_case {

void append_json_string(std::string& out, std::string_view text) {
    out += '"';
    std::size_t at = 0;
    while (at < text.size()) {
        // Printable ASCII other than quote and backslash goes out in runs as it is.
        const std::size_t run = at;
        while (at < text.size() && text[at] >= 0x20 && text[at] != '"' && text[at] != '\\') ++at;
        out.append(text.substr(run, at - run));
        if (at == text.size()) break;
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
                } else if (const std::size_t length = engine::utf8_sequence_length(text, at); length > 1) {
                    out.append(text.substr(at, length));
                    at += length;
                    continue;
                } else if (length == 0) {
                    out += engine::kReplacementCharacter;
                } else {
                    out += c;
                }
        }
        ++at;
    }
    out += '"';
}

}  // namespace korvel::load_case
