#include "ui/force_diagram/force_sign.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/fixed4.hpp"

namespace korvel::ui {
namespace {

// Result texts are Fixed4 texts, so their counts compare exactly.
std::int64_t exact_count(std::string_view text) { return engine::Fixed4::parse(text).count(); }

// Keeps `candidate` when it is further from zero than the extreme so far, or joins it on a tie.
void consider(ExtremeForce& extreme, std::int64_t& extreme_count, std::string_view member, std::string_view text) {
    const std::int64_t count = exact_count(text);
    const bool first = extreme.members.empty();
    if (first || std::abs(count) > std::abs(extreme_count)) {
        extreme.text = std::string(text);
        extreme.members.assign({member});
        extreme_count = count;
    } else if (count == extreme_count) {
        extreme.members.push_back(member);
    }
}

}  // namespace

ForceSign force_sign(std::string_view text) {
    const bool any_nonzero_digit = std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (!any_nonzero_digit) return ForceSign::Zero;
    return text.starts_with('-') ? ForceSign::Compression : ForceSign::Tension;
}

double force_magnitude(std::string_view text) { return std::fabs(engine::parse_double(text)); }

ForceExtremes force_extremes(const engine::AnalysisResult& result) {
    ForceExtremes extremes;
    std::int64_t tension_count = 0;
    std::int64_t compression_count = 0;
    for (const std::string_view member : engine::kMembersInTableOrder) {
        const std::string_view text = result.force(member);
        extremes.largest_magnitude = std::max(extremes.largest_magnitude, force_magnitude(text));
        switch (force_sign(text)) {
            case ForceSign::Tension: consider(extremes.tension, tension_count, member, text); break;
            case ForceSign::Compression: consider(extremes.compression, compression_count, member, text); break;
            case ForceSign::Zero: break;
        }
    }
    return extremes;
}

}  // namespace korvel::ui
