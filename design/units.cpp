#include "design/units.hpp"

#include <algorithm>
#include <charconv>
#include <variant>

#include "engine/exact_decimal.hpp"

namespace korvel::design {
namespace {

template <typename Unit, std::size_t N>
const UnitRow<Unit>& row_of(const std::array<UnitRow<Unit>, N>& rows, Unit unit) {
    return *std::find_if(rows.begin(), rows.end(), [&](const UnitRow<Unit>& row) { return row.unit == unit; });
}

template <typename Unit, std::size_t N>
std::optional<Unit> from_key(const std::array<UnitRow<Unit>, N>& rows, std::string_view key) {
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const UnitRow<Unit>& r) { return r.key == key; });
    if (row == rows.end()) return std::nullopt;
    return row->unit;
}

double to_double(std::string_view text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

template <typename Unit>
double factor(const UnitRow<Unit>& from, const UnitRow<Unit>& to) {
    if (from.system == to.system) return to_double(from.multiple) / to_double(to.multiple);
    return to_double(from.metric) / to_double(to.metric);
}

template <typename Unit>
std::optional<std::string> exact_product(std::string_view number, const UnitRow<Unit>& unit) {
    const auto value = engine::ExactDecimal::read(number);
    const auto* decimal = std::get_if<engine::ExactDecimal>(&value);
    if (!decimal) return std::nullopt;
    return (*decimal * std::get<engine::ExactDecimal>(engine::ExactDecimal::read(unit.metric))).text();
}

}  // namespace

std::string_view unit_key(ForceUnit unit) { return row_of(kForceUnits, unit).key; }
std::string_view unit_key(LengthUnit unit) { return row_of(kLengthUnits, unit).key; }
std::optional<ForceUnit> force_unit_from_key(std::string_view key) { return from_key(kForceUnits, key); }
std::optional<LengthUnit> length_unit_from_key(std::string_view key) { return from_key(kLengthUnits, key); }

ForceUnit base_force_unit(UnitSystem system) { return system == UnitSystem::Metric ? ForceUnit::N : ForceUnit::lbf; }
LengthUnit base_length_unit(UnitSystem system) {
    return system == UnitSystem::Metric ? LengthUnit::mm : LengthUnit::in;
}

double conversion_factor(ForceUnit from, ForceUnit to) {
    return factor(row_of(kForceUnits, from), row_of(kForceUnits, to));
}
double conversion_factor(LengthUnit from, LengthUnit to) {
    return factor(row_of(kLengthUnits, from), row_of(kLengthUnits, to));
}

std::optional<std::string> metric_text(std::string_view number, ForceUnit from) {
    return exact_product(number, row_of(kForceUnits, from));
}
std::optional<std::string> metric_text(std::string_view number, LengthUnit from) {
    return exact_product(number, row_of(kLengthUnits, from));
}

std::optional<load_case::AreaLoadUnit> area_load_unit(const load_case::ProjectUnits& units) {
    const auto force = force_unit_from_key(units.force);
    const auto length = length_unit_from_key(units.length);
    if (!force || !length) return std::nullopt;
    const UnitRow<ForceUnit>& force_row = row_of(kForceUnits, *force);
    const UnitRow<LengthUnit>& length_row = row_of(kLengthUnits, *length);
    if (force_row.system != length_row.system) return std::nullopt;
    const bool metric = force_row.system == UnitSystem::Metric;
    // kN over m², or lbf over ft², in multiples of the system's base units.
    const std::int64_t area_force = metric ? 1000 : 1;
    const std::int64_t area_length = metric ? 1000 : 12;
    const auto whole = [](std::string_view text) {
        std::int64_t value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    const std::int64_t length_multiple = whole(length_row.multiple);
    return load_case::AreaLoadUnit{metric ? "kN/m²" : "psf", std::string(length_row.key),
                                   std::string(force_row.key) + "/" + std::string(length_row.key),
                                   area_force * length_multiple * length_multiple,
                                   whole(force_row.multiple) * area_length * area_length};
}

}  // namespace korvel::design
