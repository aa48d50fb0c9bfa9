#include "load_case/unicode_text.hpp"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <vector>

namespace korvel::load_case {

namespace {

constexpr std::string_view kAsciiBlanks = " \t\r\n\f\v";

bool is_plain_ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string_view trimmed_ascii(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kAsciiBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kAsciiBlanks) - first + 1);
}

}  // namespace

bool is_own_name_key(std::string_view name) {
    return is_plain_ascii(name) && (name.empty() || (kAsciiBlanks.find(name.front()) == std::string_view::npos &&
                                                     kAsciiBlanks.find(name.back()) == std::string_view::npos));
}

std::string name_key(std::string_view name) {
    // ASCII is its own NFC: the usual name needs no conversion.
    if (is_plain_ascii(name)) return std::string(trimmed_ascii(name));
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    std::vector<UChar> utf16(name.size() + 1);
    u_strFromUTF8(utf16.data(), static_cast<int32_t>(utf16.size()), &length, name.data(),
                  static_cast<int32_t>(name.size()), &status);
    if (U_FAILURE(status)) return std::string(trimmed_ascii(name));
    int32_t begin = 0;
    int32_t end = length;
    while (begin < end && u_isUWhiteSpace(utf16[static_cast<std::size_t>(begin)])) ++begin;
    while (end > begin && u_isUWhiteSpace(utf16[static_cast<std::size_t>(end - 1)])) --end;

    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    // NFC makes a text at most three times longer.
    std::vector<UChar> normal(static_cast<std::size_t>(end - begin) * 3 + 1);
    const int32_t normal_length = unorm2_normalize(nfc, utf16.data() + begin, end - begin, normal.data(),
                                                   static_cast<int32_t>(normal.size()), &status);
    std::string out(static_cast<std::size_t>(std::max(normal_length, 0)) * 3, '\0');
    int32_t out_length = 0;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &out_length, normal.data(), normal_length, &status);
    if (U_FAILURE(status)) return std::string(trimmed_ascii(name));
    out.resize(static_cast<std::size_t>(out_length));
    return out;
}

std::size_t display_width(std::string_view text) {
    std::size_t width = 0;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(bytes, at, length, c);
        if (c < 0) {
            ++width;  // a byte that is not UTF-8 shows as one replacement character
            continue;
        }
        const auto category = static_cast<UCharCategory>(u_charType(c));
        if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR) continue;
        const auto east_asian = static_cast<UEastAsianWidth>(u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH));
        width += east_asian == U_EA_WIDE || east_asian == U_EA_FULLWIDTH ? 2 : 1;
    }
    return width;
}

}  // namespace korvel::load_case
