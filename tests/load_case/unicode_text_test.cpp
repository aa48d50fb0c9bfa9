// Names compared as Unicode text, and the columns a text takes in a table.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "load_case/combination.hpp"
#include "load_case/project.hpp"
#include "load_case/unicode_text.hpp"

namespace korvel::load_case {
namespace {

// Pairs from the Unicode normalisation tests: canonical composition, a singleton
// (the Angstrom sign), Hangul syllables, combining marks put in order, a
// composition exclusion, and the blanks at the ends.
TEST(NameKey, IsNfcWithoutBlanksAtTheEnds) {
    const std::pair<const char*, const char*> pairs[] = {
        {"A\u030a", "\u00c5"},
        {"\u212b", "\u00c5"},
        {"\u1100\u1161\u11a8", "\uac01"},
        {"a\u0323\u0307", "\u1ea1\u0307"},
        {"a\u0307\u0323", "\u1ea1\u0307"},
        {"\u0958", "\u0915\u093c"},
        {" Dead\t", "Dead"},
        {"\u00a0Snow \u3000", "Snow"},
        {"   ", ""},
        {"1.2D + 1.6S", "1.2D + 1.6S"},
    };
    for (const auto& [name, key] : pairs) EXPECT_EQ(name_key(name), key) << name;
}

TEST(DisplayWidth, CountsColumnsNotBytesOrCodePoints) {
    const std::pair<const char*, std::size_t> widths[] = {
        {"", 0}, {"Max by", 6}, {"\u00c5", 1}, {"A\u030a", 1}, {"\u65e5\u672c", 4}, {"\uff21", 2}, {"a\u200bb", 2},
    };
    for (const auto& [text, width] : widths) EXPECT_EQ(display_width(text), width) << text;
}

// Names are kept as written and compared by their key: a factor or a
// --combination written in another form of a name finds it.
TEST(NameKey, IsHowAProjectComparesItsNames) {
    const CaseFileRead read =
        read_case_file(R"({"span": "10", "cases": [{"name": " \u00c5", "loads": {"U4.V": "1"}}],)"
                       R"( "combinations": [{"name": "c\u0327 ", "factors": {"A\u030a": "2"}}]})");
    ASSERT_TRUE(std::holds_alternative<Project>(read));
    const Project& project = std::get<Project>(read);
    EXPECT_EQ(project.cases[0].name, " \u00c5");
    EXPECT_EQ(combination_index(project, "\u00e7"), 0u);
    EXPECT_FALSE(combination_index(project, "c").has_value());
}

}  // namespace
}  // namespace korvel::load_case
