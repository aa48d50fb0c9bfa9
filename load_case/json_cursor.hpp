#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::load_case {

// A place in the text that is not what the format allows: the problem, the
// byte offset it was found at, and what would have been right there.
struct TextFault {
    std::string problem;
    std::size_t offset;
    std::string expected;
};

// The kinds of JSON value, told apart by their first character.
enum class ValueKind { String, Number, Object, Array, True, False, Null, Invalid };

// Walks a JSON text token by token, exactly to RFC 8259: strings with every
// escape checked and decoded, UTF-8 checked, numbers in the JSON grammar.
// Everything JSON refuses is thrown as a TextFault.
class JsonCursor {
public:
    explicit JsonCursor(std::string_view text) : text_(text) {}

    void skip_whitespace();
    bool at_end() const { return at_ == text_.size(); }
    // Whether the next character is `c`; it is then consumed.
    bool take(char c);
    // Consumes `c` or throws, saying what was expected instead.
    void expect(char c, std::string_view expected);

    // The kind of the value starting here (after whitespace); a literal counts
    // as true, false or null only when it is spelled out in full.
    ValueKind next_value_kind();

    // Decodes the string starting at the opening quote into `out`.
    void read_string(std::string& out);
    // The number starting here, exactly as written.
    std::string_view read_number();

    // A fault for whatever stands here: "unexpected ..." or the end of the text.
    [[noreturn]] void fail_unexpected(std::string_view expected) const;

    // "column 7", or "line 2, column 7" in a text of several lines.
    static std::string place(std::string_view text, std::size_t offset);

private:
    std::size_t read_hex4();
    void read_escape(std::string& out);
    void read_utf8(std::string& out);
    void skip_digits();

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace korvel::load_case
