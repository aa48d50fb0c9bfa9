// The fuzz targets judge the engine by these two helpers, so they are checked
// here against values worked out by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>

#include "fuzz/fixed4_text_shape.hpp"
#include "fuzz/reference_decimal.hpp"

namespace {

using korvel::fuzz::reference_count;
using Outcome = korvel::fuzz::ReferenceCount::Outcome;

TEST(ReferenceCount, ReadsDecimalTextsExactlyAndRoundsTiesToEven) {
    const struct {
        std::string_view text;
        std::int64_t count;
    } cases[] = {
        {"2.5", 25000},
        {"1.56252710927049", 15625},
        {"1e3", 10000000},
        {"-3", -30000},
        {"1.39755", 13976},  // tie, odd count rounds up
        {"1.67705", 16770},  // tie, even count stays
        {"0.00025", 2},
        {"0.00015", 2},
        {"0.000250001", 3},  // just above the tie
        {"-0.00005", 0},     // no negative zero
        {"  +.5  ", 5000},
        {"5.", 50000},
        {"12.5E-1", 12500},
        {"0.0000000000001e13", 10000},
        {"0e999999999999", 0},
        {"1e-999999999999", 0},
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& c : cases) {
        const auto reference = reference_count(c.text);
        EXPECT_EQ(reference.outcome, Outcome::Value) << c.text;
        EXPECT_EQ(reference.count, c.count) << c.text;
    }
}

TEST(ReferenceCount, TellsValuesBeyondTheRange) {
    for (const std::string_view text :
         {"922337203685477.5808", "922337203685477.58075", "-922337203685477.5809", "1e15", "-1e999999999999"})
        EXPECT_EQ(reference_count(text).outcome, Outcome::OutOfRange) << text;
}

TEST(ReferenceCount, LeavesEverythingButPlainDecimalTextAlone) {
    for (const std::string_view text : {"", " ", "-", ".", "e5", "1e", "1e+", "1.2.3", "12a", "1,5", "--1", "\t1"})
        EXPECT_EQ(reference_count(text).outcome, Outcome::NotPlainDecimal) << '"' << text << '"';
}

TEST(Fixed4TextShape, AcceptsOnlyTheCanonicalForm) {
    for (const std::string_view text : {"0", "25", "-2.5", "0.0699", "13.9754", "1234567.891", "-922337203685477.5808"})
        EXPECT_TRUE(korvel::fuzz::is_fixed4_text(text)) << text;
    for (const std::string_view text :
         {"", "-", "-0", "00", "01", "2.50", "2.", ".5", "1.23456", "1,234", "+1", "1e3", " 1", "1.0"})
        EXPECT_FALSE(korvel::fuzz::is_fixed4_text(text)) << '"' << text << '"';
}

}  // namespace
