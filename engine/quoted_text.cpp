#include "engine/quoted_text.hpp"

#include <algorithm>
#include <cstdio>

#include "engine/utf8.hpp"

namespace korvel::engine {

namespace {

void append_escaped_byte(std::string& out, const char* format, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, byte);
    out += escaped;
}

enum class Quotes { Escaped, AsTheyAre };

// Appends up to `limit` characters of `text`, escaped; returns how many bytes it took.
std::size_t append_escaped(std::string& out, std::string_view text, Quotes quotes, std::size_t limit) {
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size() && characters < limit) {
        const auto byte = static_cast<unsigned char>(text[at]);
        ++characters;
        if (quotes == Quotes::Escaped && (byte == '"' || byte == '\\')) {
            out += '\\';
            out += static_cast<char>(byte);
            ++at;
            continue;
        }
        switch (byte) {
            case '\n':
                out += "\\n";
                ++at;
                continue;
            case '\r':
                out += "\\r";
                ++at;
                continue;
            case '\t':
                out += "\\t";
                ++at;
                continue;
            default: break;
        }
        if (byte < 0x20 || byte == 0x7F) {
            append_escaped_byte(out, "\\u%04X", byte);
            ++at;
            continue;
        }
        const std::size_t length = utf8_sequence_length(text, at);
        // The C1 controls U+0080..U+009F steer terminals as much as the C0 ones do.
        if (length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0) {
            append_escaped_byte(out, "\\u%04X", static_cast<unsigned char>(text[at + 1]));
        } else if (length == 0) {
            append_escaped_byte(out, "\\x%02X", byte);
            at += 1;
            continue;
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return at;
}

}  // namespace

std::string quoted_text(std::string_view text, QuoteLimit limit) {
    std::string out = "\"";
    const std::size_t taken = append_escaped(out, text, Quotes::Escaped, limit.characters);
    if (taken == text.size()) return out += '"';
    if (!limit.tells_length) return out += "\"...";
    return out.append("...\" (").append(std::to_string(utf8_character_count(text))).append(" characters)");
}

std::string escaped_controls(std::string_view message) {
    std::string out;
    append_escaped(out, message, Quotes::AsTheyAre, message.size());
    return out;
}

}  // namespace korvel::engine
