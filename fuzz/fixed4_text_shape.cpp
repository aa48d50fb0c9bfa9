#include "fuzz/fixed4_text_shape.hpp"

#include <cstddef>

namespace korvel::fuzz {
namespace {

bool all_digits(std::string_view text) {
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

bool is_fixed4_text(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);

    const std::size_t point = text.find('.');
    const std::string_view integer_part = text.substr(0, point);
    if (integer_part.empty() || !all_digits(integer_part)) return false;
    if (integer_part.size() > 1 && integer_part.front() == '0') return false;

    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        if (fraction.empty() || fraction.size() > 4 || !all_digits(fraction) || fraction.back() == '0') return false;
        return true;
    }
    return !(negative && integer_part == "0");
}

}  // namespace korvel::fuzz
