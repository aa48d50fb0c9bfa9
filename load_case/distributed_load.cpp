#include "load_case/distributed_load.hpp"

#include <algorithm>
#include <charconv>
#include <span>

#include "engine/exact_decimal.hpp"
#include "engine/fixed4.hpp"
#include "engine/quoted_text.hpp"

namespace korvel::load_case {
namespace {

using engine::ExactDecimal;
using engine::Node;

// Loads at a pitch whose tangent is no finite decimal are rounded to this many places.
constexpr std::size_t kInexactPlaces = 10;

// The chords' nodes from left to right; a panel joins two neighbours.
constexpr std::array<Node, 5> kLeftSlope{Node::L0, Node::U1, Node::U2, Node::U3, Node::U4};
constexpr std::array<Node, 5> kRightSlope{Node::U4, Node::U5, Node::U6, Node::U7, Node::L6};
constexpr std::array<Node, 7> kBottomChord{Node::L0, Node::L1, Node::L2, Node::L3, Node::L4, Node::L5, Node::L6};

// A share of the load in 64ths of w·S, as a polynomial a + b·t + c·t² in the
// slope's tangent t: the top-chord nodes stand at S/8 steps at every pitch, so
// a slope panel spans 8/64 of S across and t·8/64 up; the bottom-chord panels
// beside the supports are (1 + t²)·8/64 of S long and the middle ones (1 − t²)·16/64.
struct Share {
    int a = 0;
    int b = 0;
    int c = 0;
};

// Each load's share, in load-map order.
using Shares = std::array<Share, engine::kLoadCount>;

void add_share(Shares& shares, Node node, engine::Component component, Share share) {
    Share& sum = shares[*engine::load_index(node, component)];
    sum.a += share.a;
    sum.b += share.b;
    sum.c += share.c;
}

// Half of each slope panel's load to each end: w·S/16 down and, at right angles
// to the slope, w·S·t/16 towards the roof (to the right on the left slope).
void share_slope(Shares& shares, std::span<const Node> slope, int rising, DistributedLoadKind kind) {
    for (std::size_t i = 0; i + 1 < slope.size(); ++i) {
        for (const Node end : {slope[i], slope[i + 1]}) {
            add_share(shares, end, engine::Component::Vertical, {4, 0, 0});
            if (kind == DistributedLoadKind::SlopeNormal)
                add_share(shares, end, engine::Component::Horizontal, {0, 4 * rising, 0});
        }
    }
}

void share_bottom_chord(Shares& shares) {
    constexpr std::array<Share, 6> kHalfPanels{{{4, 0, 4}, {4, 0, 4}, {8, 0, -8}, {8, 0, -8}, {4, 0, 4}, {4, 0, 4}}};
    for (std::size_t i = 0; i + 1 < kBottomChord.size(); ++i) {
        add_share(shares, kBottomChord[i], engine::Component::Vertical, kHalfPanels[i]);
        add_share(shares, kBottomChord[i + 1], engine::Component::Vertical, kHalfPanels[i]);
    }
}

Shares shares_of(const DistributedLoad& load) {
    Shares shares{};
    if (load.kind == DistributedLoadKind::BottomChord) {
        share_bottom_chord(shares);
        return shares;
    }
    if (load.slopes != Slopes::Right) share_slope(shares, kLeftSlope, 1, load.kind);
    if (load.slopes != Slopes::Left) share_slope(shares, kRightSlope, -1, load.kind);
    return shares;
}

std::optional<ExactDecimal> number(std::string_view text) {
    auto read = ExactDecimal::read(text);
    if (auto* value = std::get_if<ExactDecimal>(&read)) return *value;
    return std::nullopt;
}

ExactDecimal integer(int value) { return std::get<ExactDecimal>(ExactDecimal::read(std::to_string(value))); }

// The tangent as a decimal: exact where the pitch's own numbers give a finite
// decimal (6:12 gives 0.5, 3:12 gives 0.25, a rise h on S gives 2h/S when that
// ends), otherwise the double's shortest text, whose shares are then rounded.
struct DecimalTangent {
    ExactDecimal value;
    bool exact = false;
};

DecimalTangent decimal_tangent(const engine::RoofPitch& pitch, const ExactDecimal& span) {
    const double tangent = pitch.form == engine::PitchForm::Rise
                               ? 2 * pitch.rise.to_double() / engine::parse_double(span.text())
                               : pitch.tangent;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, tangent).ptr;
    const ExactDecimal t = *number(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
    // Exact when the decimal times the run gives back the rise.
    if (pitch.form == engine::PitchForm::Rise) return {t, t * span == integer(2) * *number(pitch.rise.to_text())};
    if (pitch.form == engine::PitchForm::RisePerRun) {
        const std::size_t colon = pitch.text.find(':');
        const auto rise = number(pitch.text.substr(0, colon));
        const auto run = number(pitch.text.substr(colon + 1));
        return {t, rise && run && t * *run == *rise};
    }
    return {t, false};
}

// A plain decimal text rounded half to even to `places` decimals, without trailing zeros.
std::string rounded_text(const std::string& text, std::size_t places) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 <= places) return text;
    const bool negative = text.front() == '-';
    std::string digits = text.substr(negative ? 1 : 0, point + places + 1 - (negative ? 1 : 0));
    const std::string rest = text.substr(point + places + 1);
    const bool above_half = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const char last = digits.back() == '.' ? digits[digits.size() - 2] : digits.back();
    const bool up = above_half || (rest[0] == '5' && !above_half && (last - '0') % 2 == 1);
    if (up) {
        std::size_t i = digits.size();
        while (i-- > 0) {
            if (digits[i] == '.') continue;
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
            if (i == 0) digits.insert(digits.begin(), '1');
        }
    }
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
    if (digits.find_first_not_of("0.") == std::string::npos) return "0";
    return negative ? "-" + digits : digits;
}

// `value` / `divisor` as a plain decimal text: exact where the quotient ends
// within 20 more places than `value` has, otherwise rounded as inexact shares are.
std::string quotient_text(const ExactDecimal& value, std::int64_t divisor) {
    constexpr std::size_t kExtraPlaces = 20;
    const std::string text = value.text();
    const bool negative = text.front() == '-';
    std::string digits = text.substr(negative ? 1 : 0);
    const std::size_t point = digits.find('.');
    std::size_t places = kExtraPlaces;
    if (point != std::string::npos) {
        places += digits.size() - point - 1;
        digits.erase(point, 1);
    }
    digits.append(kExtraPlaces, '0');
    std::string quotient;
    std::int64_t remainder = 0;
    for (const char digit : digits) {
        remainder = remainder * 10 + (digit - '0');
        quotient += static_cast<char>('0' + remainder / divisor);
        remainder %= divisor;
    }
    quotient.insert(quotient.size() - places, 1, '.');
    quotient.erase(0, std::min(quotient.find_first_not_of('0'), quotient.find('.') - 1));
    // A quotient that goes on never ties, so a last digit beyond the places kept rounds it right.
    if (remainder != 0) quotient += '1';
    const std::string signed_text = (negative ? "-" : "") + quotient;
    if (remainder != 0) return rounded_text(signed_text, kInexactPlaces);
    return number(signed_text)->text();
}

}  // namespace

std::variant<std::string, DistributedLoadError> line_load(const AreaLoad& area, const AreaLoadUnit& unit) {
    const auto not_a_number = [](std::string_view what, std::string_view text) {
        return DistributedLoadError{DistributedLoadFault::IntensityNotANumber,
                                    std::string(what) + " " + engine::quoted_text(text) +
                                        " is not a number; enter a number such as 0.85 or 1.2."};
    };
    const std::optional<ExactDecimal> per_area = number(area.per_area);
    if (!per_area) return not_a_number("The load per area", area.per_area);
    const std::optional<ExactDecimal> spacing = number(area.spacing);
    if (!spacing) return not_a_number("The truss spacing", area.spacing);
    return quotient_text(*per_area * *spacing * *number(std::to_string(unit.multiple)), unit.divisor);
}

std::variant<NodalLoads, DistributedLoadError> nodal_loads(std::string_view span_text, const DistributedLoad& load,
                                                           const engine::RoofPitch& pitch) {
    std::optional<ExactDecimal> span = number(span_text);
    if (!span) {
        return DistributedLoadError{DistributedLoadFault::SpanNotANumber,
                                    "The span " + engine::quoted_text(span_text) +
                                        " is not a number; enter the span first, as the load is shared by it."};
    }
    if (span->is_negative()) span = -*span;
    const std::optional<ExactDecimal> w = number(load.intensity);
    if (!w) {
        return DistributedLoadError{DistributedLoadFault::IntensityNotANumber,
                                    "The distributed load " + engine::quoted_text(load.intensity) +
                                        " is not a number; enter a number such as 0.85 or -1.2."};
    }
    static const ExactDecimal kSixtyFourth = number("0.015625").value();
    const ExactDecimal unit = *w * *span * kSixtyFourth;
    const Shares shares = shares_of(load);
    const DecimalTangent t = span->is_zero() ? DecimalTangent{{}, true} : decimal_tangent(pitch, *span);
    const ExactDecimal t_squared = t.value * t.value;
    NodalLoads loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        const Share& share = shares[i];
        const ExactDecimal value =
            unit * (integer(share.a) + integer(share.b) * t.value + integer(share.c) * t_squared);
        if (value.is_zero()) continue;
        loads[i] = t.exact ? value.text() : rounded_text(value.text(), kInexactPlaces);
    }
    return loads;
}

std::optional<DistributedLoadError> add_distributed_load(std::string_view span_text, const DistributedLoad& load,
                                                         NodalLoads& loads, const engine::RoofPitch& pitch) {
    auto generated = nodal_loads(span_text, load, pitch);
    if (auto* error = std::get_if<DistributedLoadError>(&generated)) return std::move(*error);
    const NodalLoads& added = std::get<NodalLoads>(generated);
    NodalLoads sums = loads;
    for (std::size_t i = 0; i < engine::kLoadCount; ++i) {
        if (added[i].empty()) continue;
        const std::optional<ExactDecimal> present = loads[i].empty() ? ExactDecimal() : number(loads[i]);
        if (!present) {
            return DistributedLoadError{DistributedLoadFault::LoadNotANumber,
                                        "The " + engine::load_description(engine::kLoadMap[i]) + " " +
                                            engine::quoted_text(loads[i]) +
                                            " is not a number; correct it before adding a distributed load."};
        }
        const ExactDecimal sum = *present + *number(added[i]);
        sums[i] = sum.is_zero() ? std::string() : sum.text();
    }
    loads = std::move(sums);
    return std::nullopt;
}

}  // namespace korvel::load_case
