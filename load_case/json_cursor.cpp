#include "load_case/json_cursor.hpp"

#include <algorithm>

#include "engine/quoted_text.hpp"
#include "engine/utf8.hpp"

namespace korvel::load_case {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

void append_utf8(std::string& out, std::size_t code_point) {
    const auto byte = [](std::size_t bits) { return static_cast<char>(bits); };
    if (code_point < 0x80) {
        out += byte(code_point);
    } else if (code_point < 0x800) {
        out += byte(0xC0 | (code_point >> 6));
        out += byte(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        out += byte(0xE0 | (code_point >> 12));
        out += byte(0x80 | ((code_point >> 6) & 0x3F));
        out += byte(0x80 | (code_point & 0x3F));
    } else {
        out += byte(0xF0 | (code_point >> 18));
        out += byte(0x80 | ((code_point >> 12) & 0x3F));
        out += byte(0x80 | ((code_point >> 6) & 0x3F));
        out += byte(0x80 | (code_point & 0x3F));
    }
}

constexpr std::string_view kNumberShape = "a number like 12, -2.5 or 1e-3";

}  // namespace

ValueKind JsonCursor::kind_of_other_value() const {
    if (at_end()) return ValueKind::Invalid;
    const auto spelled = [&](std::string_view word) { return text_.substr(at_, word.size()) == word; };
    const char c = text_[at_];
    if (c == '-' || is_digit(c)) return ValueKind::Number;
    if (c == '{') return ValueKind::Object;
    if (c == '[') return ValueKind::Array;
    if (spelled("true")) return ValueKind::True;
    if (spelled("false")) return ValueKind::False;
    if (spelled("null")) return ValueKind::Null;
    return ValueKind::Invalid;
}

std::string_view JsonCursor::read_rest_of_string(std::size_t opening, std::size_t first_run) {
    std::string& out = decoded_;
    out.assign(text_.substr(first_run, at_ - first_run));
    for (;;) {
        const std::size_t run = at_;
        while (at_ < text_.size() && is_plain_string_byte(text_[at_])) ++at_;
        out.append(text_.substr(run, at_ - run));
        if (at_ == text_.size()) {
            throw TextFault{"the text ends inside the string that starts at " + place(text_, opening), at_,
                            "a closing quote"};
        }
        const char c = text_[at_];
        if (c == '"') {
            ++at_;
            return out;
        }
        if (c == '\\') {
            read_escape(out);
        } else if (static_cast<unsigned char>(c) < 0x20) {
            throw TextFault{"control character " + engine::quoted_text(text_.substr(at_, 1)) + " inside a string", at_,
                            "it written as an escape like \\n or \\u0000"};
        } else {
            read_utf8(out);
        }
    }
}

void JsonCursor::read_utf8(std::string& out) {
    const std::size_t length = engine::utf8_sequence_length(text_, at_);
    if (length == 0) {
        throw TextFault{"byte " + engine::quoted_text(text_.substr(at_, 1)) + " is not UTF-8", at_, "UTF-8 text"};
    }
    out.append(text_.substr(at_, length));
    at_ += length;
}

void JsonCursor::read_escape(std::string& out) {
    const std::size_t backslash = at_++;
    if (at_end()) fail_unexpected("an escape like \\n, \\\" or \\u00E9");
    const char c = text_[at_++];
    switch (c) {
        case '"': out += '"'; return;
        case '\\': out += '\\'; return;
        case '/': out += '/'; return;
        case 'b': out += '\b'; return;
        case 'f': out += '\f'; return;
        case 'n': out += '\n'; return;
        case 'r': out += '\r'; return;
        case 't': out += '\t'; return;
        case 'u': break;
        default:
            throw TextFault{"invalid escape " + engine::quoted_text(text_.substr(backslash, 2)), backslash,
                            "one of \\\" \\\\ \\/ \\b \\f \\n \\r \\t \\uXXXX"};
    }
    std::size_t code_point = read_hex4();
    if (code_point >= 0xDC00 && code_point <= 0xDFFF) {
        throw TextFault{"\\u escape of a lone low surrogate", backslash,
                        "a code point, or a high and low surrogate pair"};
    }
    if (code_point >= 0xD800 && code_point <= 0xDBFF) {
        if (text_.substr(at_, 2) != "\\u") {
            throw TextFault{"\\u escape of a high surrogate without its low half", backslash,
                            "a second escape \\uDC00 to \\uDFFF right after it"};
        }
        at_ += 2;
        const std::size_t low = read_hex4();
        if (low < 0xDC00 || low > 0xDFFF) {
            throw TextFault{"\\u escape of a high surrogate without its low half", backslash,
                            "a second escape \\uDC00 to \\uDFFF right after it"};
        }
        code_point = 0x10000 + ((code_point - 0xD800) << 10) + (low - 0xDC00);
    }
    append_utf8(out, code_point);
}

std::size_t JsonCursor::read_hex4() {
    std::size_t value = 0;
    for (int i = 0; i < 4; ++i, ++at_) {
        const char c = at_ < text_.size() ? text_[at_] : '\0';
        std::size_t digit = 0;
        if (is_digit(c)) {
            digit = static_cast<std::size_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<std::size_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<std::size_t>(c - 'A' + 10);
        } else {
            fail_unexpected("four hexadecimal digits after \\u");
        }
        value = value * 16 + digit;
    }
    return value;
}

void JsonCursor::skip_digits() {
    if (at_end() || !is_digit(text_[at_])) fail_unexpected(kNumberShape);
    while (at_ < text_.size() && is_digit(text_[at_])) ++at_;
}

std::string_view JsonCursor::read_number() {
    const std::size_t start = at_;
    take('-');
    if (take('0')) {
        if (at_ < text_.size() && is_digit(text_[at_])) {
            throw TextFault{"a number with a leading zero", start, std::string(kNumberShape)};
        }
    } else {
        skip_digits();
    }
    if (take('.')) skip_digits();
    if (take('e') || take('E')) {
        if (!take('+')) take('-');
        skip_digits();
    }
    return text_.substr(start, at_ - start);
}

void JsonCursor::fail_unexpected(std::string_view expected) const {
    if (at_end()) throw TextFault{"the text ends", at_, std::string(expected)};
    const std::size_t length = std::max<std::size_t>(1, engine::utf8_sequence_length(text_, at_));
    throw TextFault{"unexpected " + engine::quoted_text(text_.substr(at_, length)), at_, std::string(expected)};
}

std::string JsonCursor::place(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, offset);
    const std::size_t line_start = before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    // Columns count characters, not bytes.
    const std::size_t column = 1 + engine::utf8_character_count(before.substr(line_start));
    const std::size_t last_content = text.find_last_not_of(" \t\r\n");
    const bool several_lines =
        last_content != std::string_view::npos && text.substr(0, last_content).find('\n') != std::string_view::npos;
    if (!several_lines) return "column " + std::to_string(column);
    const auto line = static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace korvel::load_case
