#pragma once

#include <array>
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
// Everything JSON refuses is thrown as a TextFault. The steps every token takes
// are defined here, to be inlined: a batch takes thousands of tokens a second.
class JsonCursor {
public:
    explicit JsonCursor(std::string_view text) : text_(text) {}

    void skip_whitespace() {
        while (at_ < text_.size() && is_whitespace(text_[at_])) ++at_;
    }
    bool at_end() const { return at_ == text_.size(); }
    // Whether the next character is `c`; it is then consumed.
    bool take(char c) {
        if (at_ == text_.size() || text_[at_] != c) return false;
        ++at_;
        return true;
    }
    // Consumes `c` or throws, saying what was expected instead.
    void expect(char c, std::string_view expected) {
        if (!take(c)) fail_unexpected(expected);
    }

    // The kind of the value starting here (after whitespace); a literal counts
    // as true, false or null only when it is spelled out in full.
    ValueKind next_value_kind() {
        skip_whitespace();
        // Nearly every value of a case is a string.
        if (at_ < text_.size() && text_[at_] == '"') return ValueKind::String;
        return kind_of_other_value();
    }

    // Decodes the string starting at the opening quote into `out`.
    void read_string(std::string& out) {
        // Cleared and appended to: the same as assigning, without the care for a text that overlaps `out`.
        const std::string_view text = read_string_view();
        out.clear();
        out.append(text);
    }
    // The same as a view: into the text itself when the string holds no escape
    // (nearly always), else into a buffer of the cursor's own. It stays valid
    // until the next string is read.
    std::string_view read_string_view() {
        const std::size_t opening = at_;
        expect('"', "a text in quotes");
        // Plain bytes run up to the closing quote in nearly every string.
        const char* const data = text_.data();
        const std::size_t size = text_.size();
        std::size_t at = at_;
        while (at < size && is_plain_string_byte(data[at])) ++at;
        const std::size_t first_run = at_;
        at_ = at;
        if (take('"')) return text_.substr(first_run, at - first_run);
        return read_rest_of_string(opening, first_run);
    }
    // The number starting here, exactly as written.
    std::string_view read_number();

    // A fault for whatever stands here: "unexpected ..." or the end of the text.
    [[noreturn]] void fail_unexpected(std::string_view expected) const;

    // "column 7", or "line 2, column 7" in a text of several lines.
    static std::string place(std::string_view text, std::size_t offset);

private:
    static bool is_whitespace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
    // Bytes a string may hold as they are: not a quote, backslash, control character
    // or non-ASCII byte. A table, as every byte of every string is looked up.
    static bool is_plain_string_byte(char c) { return kPlainStringBytes[static_cast<unsigned char>(c)]; }
    static constexpr std::array<bool, 256> kPlainStringBytes = [] {
        std::array<bool, 256> plain{};
        for (std::size_t byte = 0x20; byte < 0x80; ++byte) plain[byte] = byte != '"' && byte != '\\';
        return plain;
    }();

    ValueKind kind_of_other_value() const;
    // The string begun at `opening` whose plain bytes from `first_run` end before
    // an escape, a byte beyond ASCII or a fault: decoded into decoded_.
    std::string_view read_rest_of_string(std::size_t opening, std::size_t first_run);
    std::size_t read_hex4();
    void read_escape(std::string& out);
    void read_utf8(std::string& out);
    void skip_digits();

    std::string_view text_;
    std::size_t at_ = 0;
    std::string decoded_;
};

}  // namespace korvel::load_case
