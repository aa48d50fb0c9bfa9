#include "engine/utf8.hpp"

#include <algorithm>

namespace korvel::engine {

std::size_t utf8_sequence_length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;

    std::size_t length = 0;
    // The allowed range of the second byte narrows for the leads that would
    // otherwise start an overlong form, a surrogate or a code point past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    }
    return length;
}

std::size_t utf8_character_count(std::string_view text) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); at += std::max<std::size_t>(1, utf8_sequence_length(text, at)))
        ++characters;
    return characters;
}

}  // namespace korvel::engine
