// Fuzz target for the text conversions behind every load, span and result:
// Fixed4::parse and parse_double must accept the same texts, fail only with the
// errors they declare, agree with a plain digit-by-digit reading, and every
// Fixed4 text must read back as the value it was written from.
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/fixed4.hpp"
#include "fuzz/conversion_outcome.hpp"
#include "fuzz/fixed4_text_shape.hpp"
#include "fuzz/fuzz_check.hpp"
#include "fuzz/reference_decimal.hpp"

namespace {

using korvel::engine::ErrorKind;
using korvel::engine::Fixed4;
using korvel::fuzz::fail;
using korvel::fuzz::run_conversion;

std::string count_text(Fixed4 value) { return std::to_string(value.count()); }

void check_written_text_reads_back(Fixed4 value, std::string_view input) {
    const std::string text = value.to_text();
    if (!korvel::fuzz::is_fixed4_text(text))
        fail("Fixed4 text of count " + count_text(value) + " is malformed: " + text, input);
    const auto reread = run_conversion([&] { return Fixed4::parse(text); }, input);
    if (reread.value != value) fail("Fixed4 text " + text + " does not read back as count " + count_text(value), input);
}

void check_against_reference(std::string_view text, const korvel::fuzz::ConversionOutcome<Fixed4>& parsed) {
    using Outcome = korvel::fuzz::ReferenceCount::Outcome;
    const auto reference = korvel::fuzz::reference_count(text);
    if (reference.outcome == Outcome::Value && parsed.value != Fixed4::from_count(reference.count))
        fail("Fixed4::parse differs from the reference count " + std::to_string(reference.count), text);
    if (reference.outcome == Outcome::OutOfRange && parsed.error != ErrorKind::Overflow)
        fail("Fixed4::parse does not report an overflow for a value beyond the Fixed4 range", text);
}

void check_text_conversions(std::string_view text) {
    const auto parsed = run_conversion([&] { return Fixed4::parse(text); }, text);
    const auto as_double = run_conversion([&] { return korvel::engine::parse_double(text); }, text);

    if ((parsed.error == ErrorKind::TypeMismatch) != (as_double.error == ErrorKind::TypeMismatch))
        fail("Fixed4::parse and parse_double disagree on whether the text is a number", text);
    check_against_reference(text, parsed);
    if (parsed.value) check_written_text_reads_back(*parsed.value, text);

    if (as_double.value) {
        const double x = *as_double.value;
        if (!std::isfinite(x)) fail("parse_double returned a value that is not finite", text);
        // Below 1e9 the double keeps every fourth decimal, so its Fixed4 rounding
        // can differ from the exact reading by one step at most.
        if (parsed.value && std::fabs(x) < 1e9) {
            const std::int64_t difference = Fixed4::round(x).count() - parsed.value->count();
            if (difference < -1 || difference > 1)
                fail("parse_double and Fixed4::parse give values more than one step apart", text);
        }
    }
}

// The first eight bytes, read as a Fixed4 count and as a double, reach every
// value the analysis can write, not only those a short text spells.
void check_values_from_bits(const std::uint8_t* data, std::size_t size, std::string_view input) {
    std::uint64_t bits = 0;
    if (size > 0) std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);

    check_written_text_reads_back(Fixed4::from_count(std::bit_cast<std::int64_t>(bits)), input);

    const double x = std::bit_cast<double>(bits);
    if (!std::isfinite(x)) return;
    const std::string text = korvel::engine::fifteen_digit_text(x);
    const auto reread = run_conversion([&] { return korvel::engine::parse_double(text); }, input);
    // Only the largest doubles may round to 15 digits beyond the double range.
    if (reread.error && !(reread.error == ErrorKind::Overflow && std::fabs(x) > 1.79769313486e308))
        fail("15-digit text " + text + " does not read back as a number", input);
    if (reread.value && std::fabs(*reread.value - x) > 1e-14 * std::fabs(x))
        fail("15-digit text " + text + " is not the value rounded to 15 digits", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_text_conversions(text);
    check_values_from_bits(data, size, text);
    return 0;
}
