#include <gtest/gtest.h>

#include <string>

#include "engine/quoted_text.hpp"
#include "engine/utf8.hpp"

namespace korvel::engine {
namespace {

struct Quoted {
    std::string text;
    std::string shown;
};

// A quote, the text and `after`, built by appending: GCC 12 at -O3 sees an
// overlapping copy where a literal is prepended to a string.
std::string in_quotes(const std::string& text, const char* after = "\"") {
    std::string quoted(1, '"');
    quoted.append(text).append(after);
    return quoted;
}

class QuotedText : public testing::TestWithParam<Quoted> {};

TEST_P(QuotedText, EscapesControlsAndShortensLongTexts) { EXPECT_EQ(quoted_text(GetParam().text), GetParam().shown); }

INSTANTIATE_TEST_SUITE_P(Texts, QuotedText,
                         testing::Values(Quoted{"", "\"\""}, Quoted{"U4.V", "\"U4.V\""},
                                         Quoted{"a\"b\\c", R"("a\"b\\c")"}, Quoted{"\n\r\t", R"("\n\r\t")"},
                                         Quoted{"\x1B[2J", R"("\u001B[2J")"},
                                         Quoted{std::string("\0", 1), R"("\u0000")"}, Quoted{"\x7F", R"("\u007F")"},
                                         Quoted{"\xC2\x9B"
                                                "1m",
                                                R"("\u009B1m")"},
                                         Quoted{"\xFF"
                                                "a",
                                                R"("\xFFa")"},
                                         Quoted{"\xC3\xA9", "\"\xC3\xA9\""},
                                         Quoted{std::string(200, 'x'), in_quotes(std::string(200, 'x'))},
                                         Quoted{std::string(201, 'x'), in_quotes(std::string(200, 'x'), "\"...")},
                                         // The limit counts characters, and never cuts one in half.
                                         Quoted{std::string(199, 'x') + "\xC3\xA9\xC3\xA9",
                                                in_quotes(std::string(199, 'x') + "\xC3\xA9", "\"...")}));

struct Sequence {
    std::string bytes;
    std::size_t length;
};

class Utf8SequenceLength : public testing::TestWithParam<Sequence> {};

TEST_P(Utf8SequenceLength, AcceptsOnlyWellFormedUtf8) {
    EXPECT_EQ(utf8_sequence_length(GetParam().bytes, 0), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Utf8SequenceLength,
                         testing::Values(Sequence{"a", 1}, Sequence{"\xC3\xA9", 2}, Sequence{"\xE2\x82\xAC", 3},
                                         Sequence{"\xF0\x9F\x98\x80", 4}, Sequence{"\xF4\x8F\xBF\xBF", 4},
                                         Sequence{"\xED\x9F\xBF", 3}, Sequence{"\x80", 0}, Sequence{"\xC1\xBF", 0},
                                         Sequence{"\xC3", 0}, Sequence{"\xE0\x9F\xBF", 0}, Sequence{"\xED\xA0\x80", 0},
                                         Sequence{"\xF0\x8F\xBF\xBF", 0}, Sequence{"\xF4\x90\x80\x80", 0},
                                         Sequence{"\xF5\x80\x80\x80", 0}, Sequence{"\xE2\x28\xA1", 0}));

}  // namespace
}  // namespace korvel::engine
