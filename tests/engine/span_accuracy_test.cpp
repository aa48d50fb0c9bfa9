#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "engine/span_accuracy.hpp"
#include "tests/engine/analysis_test_support.hpp"

namespace korvel::engine {
namespace {

using testing::analyse;

// A span so large that the rounding moves nothing visibly: the forces of this
// truss do not depend on the span, so it is what every span should give.
constexpr const char* kReferenceSpan = "1600";

// The most any reaction or force of a load of 1000 at one component moves from
// the reference span's, as a share of the load.
double largest_movement(const std::string& span, const char* load_key) {
    const AnalysisResult result = analyse(span, {{load_key, "1000"}});
    const AnalysisResult reference = analyse(kReferenceSpan, {{load_key, "1000"}});
    double largest = 0;
    const auto note = [&](Fixed4 value, Fixed4 expected) {
        largest = std::max(largest, std::fabs(value.to_double() - expected.to_double()) / 1000);
    };
    for (const Reaction reaction : kReactions) note(result.reaction(reaction), reference.reaction(reaction));
    for (const Member member : kMembers) note(result.force(member), reference.force(member));
    return largest;
}

TEST(SpanAccuracy, TheBoundHoldsForEveryLoadAndTheWarningComesExactlyBeyondIt) {
    for (const char* span : {"16", "5", "1", "0.3", "0.1", "0.03", "0.01", "0.003", "0.001", "0.0003"}) {
        SCOPED_TRACE(span);
        const double bound = geometry_rounding_bound(std::stod(span));
        for (const LoadSlot& slot : kLoadMap) {
            const std::string key = load_key(slot);
            EXPECT_LE(largest_movement(span, key.c_str()), bound) << key;
        }
        const auto warning = span_accuracy_warning(span);
        EXPECT_EQ(warning.has_value(), bound > kAcceptedMovement);
    }
}

TEST(SpanAccuracy, TheWarningNamesTheSpanAsUsedTheShareAndWhatToDo) {
    const auto warning = span_accuracy_warning(" -0.01000 ");
    ASSERT_TRUE(warning.has_value());
    EXPECT_EQ(warning->span.to_double(), 0.01);
    const std::string message = warning->message();
    for (const char* part :
         {"A span of 0.01 ", "up to 50% of the largest load", "smaller unit", "forces stay the same"})
        EXPECT_NE(message.find(part), std::string::npos) << part << " in " << message;
}

TEST(SpanAccuracy, NoWarningForASpanTheAnalysisRefusesOrThatIsLargeEnough) {
    for (const char* span : {"", "abc", "0", "0.00004", "1e400", "16", "5.0001"})
        EXPECT_FALSE(span_accuracy_warning(span).has_value()) << span;
}

// docs/accuracy.md: the warning comes for spans below 5, and only there.
TEST(SpanAccuracy, TheWarningBeginsJustBelowASpanOfFive) {
    for (const auto& [span, warned] : {std::pair{"4.9999", true}, {"-4.9999", true}, {"5", false}, {"5.0000", false}})
        EXPECT_EQ(span_accuracy_warning(span).has_value(), warned) << span;
}

}  // namespace
}  // namespace korvel::engine
