#include "design/section.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "engine/quoted_text.hpp"

namespace korvel::design {
namespace {

struct DressedSize {
    int nominal_depth;
    std::string_view name;
    double depth;  // in
};
// NDS Supplement 2018 Table 1A: dry dressed sizes of 2-inch dimension lumber.
constexpr std::array<DressedSize, 6> kDressedSizes{{
    {3, "2x3", 2.5},
    {4, "2x4", 3.5},
    {6, "2x6", 5.5},
    {8, "2x8", 7.25},
    {10, "2x10", 9.25},
    {12, "2x12", 11.25},
}};
constexpr double kDressedThickness = 1.5;

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        const std::size_t end = text.find(' ', at);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        if (stop > at) words.push_back(text.substr(at, stop - at));
        at = stop;
    }
    return words;
}

std::optional<double> positive_number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// "150x100x5" as its numbers, or nothing when a part is not a positive number.
std::optional<std::vector<double>> dimensions_of(std::string_view text) {
    std::vector<double> numbers;
    for (;;) {
        const std::size_t cross = text.find('x');
        const auto number = positive_number(text.substr(0, cross));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        if (cross == std::string_view::npos) return numbers;
        text.remove_prefix(cross + 1);
    }
}

double radius_of_gyration(double second_moment, double area) { return std::sqrt(second_moment / area); }

// The spandrel between a corner of side r and its quarter circle: area, and its
// first and second moments about the outer face, measured inward.
struct Spandrel {
    double area, first, second;
};
Spandrel spandrel(double r) {
    constexpr double pi = std::numbers::pi;
    return {(1 - pi / 4) * r * r, (5.0 / 6 - pi / 4) * r * r * r, (1 - 5 * pi / 16) * r * r * r * r};
}
// The second moment of the four spandrels of a rectangle of depth d about its centre line.
double spandrels_second_moment(double d, double r) {
    const Spandrel s = spandrel(r);
    const double half = d / 2;
    return 4 * (half * half * s.area - 2 * half * s.first + s.second);
}

std::string unit_words(UnitSystem system) { return system == UnitSystem::Metric ? "mm" : "in"; }

Section timber(std::string_view name, double width, double depth, LengthUnit unit) {
    Section section;
    section.name = std::string(name);
    section.unit = unit;
    section.width = width;
    section.depth = depth;
    section.area = width * depth;
    section.radius_in_plane = depth / std::sqrt(12.0);
    section.radius_out_of_plane = width / std::sqrt(12.0);
    return section;
}

std::variant<Section, std::string> read_timber(std::string_view text, const Material& material, UnitSystem system) {
    const std::string quoted = engine::quoted_text(text);
    if (material.kind == MaterialKind::SawnLumber) {
        for (const DressedSize& size : kDressedSizes) {
            const auto dims = dimensions_of(text);
            const bool dressed =
                dims && dims->size() == 2 && (*dims)[0] == kDressedThickness && (*dims)[1] == size.depth;
            if (text != size.name && !dressed) continue;
            Section section = timber(text, kDressedThickness, size.depth, LengthUnit::in);
            section.nominal_depth = size.nominal_depth;
            return section;
        }
        return "section " + quoted +
               " is not a dimension-lumber size; NDS sizes are 2x3, 2x4, 2x6, 2x8, 2x10 "
               "and 2x12, or their dressed sizes such as 1.5x5.5";
    }
    const auto dims = dimensions_of(text);
    if (!dims || dims->size() != 2) {
        return "section " + quoted + " is not a timber size; write it BxH in " + unit_words(system) +
               ", such as 47x150";
    }
    return timber(text, (*dims)[0], (*dims)[1], base_length_unit(system));
}

std::variant<Section, std::string> read_custom(std::string_view text, const std::vector<std::string_view>& words,
                                               UnitSystem system) {
    Section section;
    section.name = std::string(text);
    section.shape = SectionShape::Custom;
    section.unit = base_length_unit(system);
    bool curve_given = false;
    const std::string hint = "; write it \"custom A=1835 i_y=38.4 i_z=38.4 curve=c\" in " + unit_words(system);
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        const std::string_view key = words[i].substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? "" : words[i].substr(equals + 1);
        if (key == "curve") {
            static constexpr std::array<std::string_view, 5> kCurves{"a0", "a", "b", "c", "d"};
            std::size_t c = 0;
            while (c < kCurves.size() && kCurves[c] != value) ++c;
            if (c == kCurves.size())
                return "the buckling curve of " + engine::quoted_text(text) + " is not a0, a, b, c or d";
            section.curve = static_cast<BucklingCurve>(c);
            curve_given = true;
            continue;
        }
        const auto number = positive_number(value);
        double* target = key == "A"     ? &section.area
                         : key == "i_y" ? &section.radius_in_plane
                         : key == "i_z" ? &section.radius_out_of_plane
                                        : nullptr;
        if (!target || !number) return "section " + engine::quoted_text(text) + " is not understood" + hint;
        *target = *number;
    }
    if (section.area == 0 || section.radius_in_plane == 0 || section.radius_out_of_plane == 0 || !curve_given) {
        return "section " + engine::quoted_text(text) + " lacks A, i_y, i_z or curve" + hint;
    }
    return section;
}

std::variant<Section, std::string> read_hollow(std::string_view text, const std::vector<std::string_view>& words,
                                               const Material& material, UnitSystem system) {
    const std::string quoted = engine::quoted_text(text);
    const std::string_view kind = words[0];
    const std::string hint =
        "; write it \"CHS 88.9x4 hot-finished\", \"SHS 100x5 cold-formed\" or \"RHS 150x100x5 "
        "cold-formed\" in " +
        unit_words(system);
    if (words.size() != 3) return "section " + quoted + " is not understood" + hint;
    const auto dims = dimensions_of(words[1]);
    const std::size_t count = kind == "RHS" ? 3 : 2;
    if (!dims || dims->size() != count) return "the dimensions of section " + quoted + " are not understood" + hint;
    Section section;
    section.name = std::string(text);
    section.unit = base_length_unit(system);
    if (words[2] == "hot-finished") {
        section.forming = Forming::HotFinished;
    } else if (words[2] == "cold-formed") {
        section.forming = Forming::ColdFormed;
    } else {
        return "section " + quoted + " must end in hot-finished or cold-formed";
    }
    if (system == UnitSystem::UsCustomary && section.forming != Forming::ColdFormed) {
        return "section " + quoted + ": " + std::string(material.standard) + " tubes are cold-formed";
    }
    // EN 1993-1-1 Table 6.2: hot-finished hollow sections buckle on curve a, cold-formed ones on c.
    section.curve = section.forming == Forming::HotFinished ? BucklingCurve::A : BucklingCurve::C;
    const double t = dims->back();
    section.wall = t;
    if (kind == "CHS") {
        const double d = (*dims)[0];
        if (2 * t >= d) return "the wall of section " + quoted + " is not thinner than half its diameter";
        section.shape = SectionShape::CircularHollow;
        section.depth = section.width = d;
        const double inner = d - 2 * t;
        section.area = std::numbers::pi / 4 * (d * d - inner * inner);
        const double second = std::numbers::pi / 64 * (d * d * d * d - inner * inner * inner * inner);
        section.radius_in_plane = section.radius_out_of_plane = radius_of_gyration(second, section.area);
        return section;
    }
    section.shape = kind == "SHS" ? SectionShape::SquareHollow : SectionShape::RectangularHollow;
    section.depth = (*dims)[0];
    section.width = kind == "SHS" ? (*dims)[0] : (*dims)[1];
    const CornerRadii radii = corner_radii(section.forming, t, system);
    if (2 * radii.outer >= std::min(section.depth, section.width)) {
        return "the wall of section " + quoted + " is too thick for its corners";
    }
    section.outer_radius = radii.outer;
    section.inner_radius = radii.inner;
    section.area = rounded_tube_area(section.depth, section.width, t, radii);
    section.radius_in_plane =
        radius_of_gyration(rounded_tube_second_moment(section.depth, section.width, t, radii), section.area);
    section.radius_out_of_plane =
        radius_of_gyration(rounded_tube_second_moment(section.width, section.depth, t, radii), section.area);
    return section;
}

}  // namespace

CornerRadii corner_radii(Forming forming, double wall, UnitSystem system) {
    if (system == UnitSystem::UsCustomary) return {2 * wall, wall};
    if (forming == Forming::HotFinished) return {1.5 * wall, wall};
    if (wall <= 6) return {2 * wall, wall};
    if (wall <= 10) return {2.5 * wall, 1.5 * wall};
    return {3 * wall, 2 * wall};
}

double rounded_tube_area(double depth, double width, double wall, CornerRadii radii) {
    const double inner_depth = depth - 2 * wall, inner_width = width - 2 * wall;
    return depth * width - inner_depth * inner_width - 4 * (spandrel(radii.outer).area - spandrel(radii.inner).area);
}

double rounded_tube_second_moment(double depth, double width, double wall, CornerRadii radii) {
    const double inner_depth = depth - 2 * wall, inner_width = width - 2 * wall;
    return width * depth * depth * depth / 12 - inner_width * inner_depth * inner_depth * inner_depth / 12 -
           spandrels_second_moment(depth, radii.outer) + spandrels_second_moment(inner_depth, radii.inner);
}

std::variant<Section, std::string> read_section(std::string_view text, const Material& material, UnitSystem system) {
    const std::vector<std::string_view> words = words_of(text);
    if (words.empty()) return std::string("a section is empty; name one, such as 47x150");
    if (is_timber(material.kind)) {
        if (words.size() != 1) return "section " + engine::quoted_text(text) + " is not a timber size";
        return read_timber(words[0], material, system);
    }
    if (words[0] == "custom") return read_custom(text, words, system);
    if (words[0] == "CHS" || words[0] == "SHS" || words[0] == "RHS") return read_hollow(text, words, material, system);
    return "section " + engine::quoted_text(text) + " is not a steel section; name it CHS, SHS, RHS or custom";
}

}  // namespace korvel::design
