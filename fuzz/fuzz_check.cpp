#include "fuzz/fuzz_check.hpp"

#include <cstdio>
#include <cstdlib>

namespace korvel::fuzz {

std::string escaped(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\\' || byte == '"') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7f) {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xf];
        }
    }
    return out;
}

void fail(std::string_view broken_property, std::string_view input) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n  input (%zu bytes): \"%s\"\n",
                 static_cast<int>(broken_property.size()), broken_property.data(), input.size(),
                 escaped(input).c_str());
    std::abort();
}

}  // namespace korvel::fuzz
