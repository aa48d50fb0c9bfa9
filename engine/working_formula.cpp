#include "engine/working_formula.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace korvel::engine {
namespace {

struct Word {
    std::string_view text;
    bool function;  // must be followed by "("
};

// The operators and functions of a formula; symbols and numbers are read apart.
constexpr std::array<Word, 16> kWords{{
    {"+", false},
    {"−", false},
    {"×", false},
    {"/", false},
    {"(", false},
    {")", false},
    {"[", false},
    {"]", false},
    {"|", false},
    {"²", false},
    {"π", false},
    {"√", true},
    {"arctan", true},
    {"sin", true},
    {"cos", true},
    {"tan", true},
}};

[[noreturn]] void bad_formula(std::string_view text, std::string_view why) {
    throw std::invalid_argument("formula \"" + std::string(text) + "\": " + std::string(why));
}

Fixed4 as_fixed4(const Number& n) {
    if (const auto* i = std::get_if<std::int64_t>(&n)) return Fixed4::from_integer(*i);
    return std::get<Fixed4>(n);
}

bool is_double(const Number& n) { return std::holds_alternative<double>(n); }

Number add(const Number& a, const Number& b, bool subtract) {
    if (is_double(a) || is_double(b)) return subtract ? to_double(a) - to_double(b) : to_double(a) + to_double(b);
    return subtract ? as_fixed4(a) - as_fixed4(b) : as_fixed4(a) + as_fixed4(b);
}

Number multiply(const Number& a, const Number& b) {
    if (is_double(a) || is_double(b)) return to_double(a) * to_double(b);
    const auto* ia = std::get_if<std::int64_t>(&a);
    const auto* ib = std::get_if<std::int64_t>(&b);
    if (ia && ib) return *ia * *ib;
    if (ib) return std::get<Fixed4>(a) * static_cast<int>(*ib);
    if (ia) return std::get<Fixed4>(b) * static_cast<int>(*ia);
    return std::get<Fixed4>(a) * std::get<Fixed4>(b);
}

Number negate(const Number& a) {
    return std::visit([](auto v) -> Number { return -v; }, a);
}

Number fixed4_rounding(const Number& a) {
    if (const auto* f = std::get_if<Fixed4>(&a)) return *f;
    return Fixed4::round(to_double(a));
}

}  // namespace

double to_double(const Number& n) {
    if (const auto* f = std::get_if<Fixed4>(&n)) return f->to_double();
    if (const auto* i = std::get_if<std::int64_t>(&n)) return static_cast<double>(*i);
    return std::get<double>(n);
}

std::string number_text(const Number& n) {
    if (const auto* f = std::get_if<Fixed4>(&n)) return f->to_text();
    if (const auto* i = std::get_if<std::int64_t>(&n)) return std::to_string(*i);
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(n));
    if (error != std::errc()) throw std::logic_error("double without a text");
    return std::string(buffer, end);
}

std::string number_text(const Number& n, Precision precision) {
    const auto* d = std::get_if<double>(&n);
    if (precision == Precision::Full || d == nullptr || !std::isfinite(*d)) return number_text(n);
    if (*d == 0) return "0";  // a student writes no sign on zero
    const double size = std::fabs(*d);
    if (size < kNegligible) return std::string(kAboutZero);
    // Six significant digits in fixed notation; trailing zeros are dropped.
    const int decimals = std::max(0, 5 - static_cast<int>(std::floor(std::log10(size))));
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, *d);
    std::string text(buffer, static_cast<std::size_t>(length));
    if (text.find('.') != std::string::npos) {
        while (text.ends_with('0')) text.pop_back();
        if (text.ends_with('.')) text.pop_back();
    }
    return text;
}

Number read_number(std::string_view text, const Number& like) {
    if (std::holds_alternative<Fixed4>(like)) return Fixed4::parse(text);
    if (std::holds_alternative<std::int64_t>(like)) {
        std::int64_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size()) bad_formula(text, "not an integer");
        return value;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) bad_formula(text, "not a number");
    return value;
}

// Recursive descent over the tokens, writing the postfix program:
//   sum := product (("+" | "−") product)*      product := factor (("×" | "/") factor)*
//   factor := "−" factor | primary "²"*
//   primary := number | symbol | "(" sum ")" | "[" sum "]" | "|" sum "|" | function "(" sum ")"
class Formula::Parser {
public:
    explicit Parser(Formula& f) : f_(f) {}

    void parse() {
        sum();
        if (at_ < f_.tokens_.size()) fail("unexpected " + std::string(word(at_)));
    }

private:
    std::string_view word(std::size_t i) const {
        const Token& t = f_.tokens_[i];
        return std::string_view(f_.text_).substr(t.begin, t.end - t.begin);
    }
    bool next_is(std::string_view w) const { return at_ < f_.tokens_.size() && word(at_) == w; }
    [[noreturn]] void fail(const std::string& why) const { bad_formula(f_.text_, why); }
    void expect(std::string_view w) {
        if (!next_is(w)) fail("expected " + std::string(w));
        ++at_;
    }
    void emit(Op op) { f_.program_.push_back({op, 0, {}}); }

    void sum() {
        product();
        while (next_is("+") || next_is("−")) {
            const Op op = word(at_++) == "+" ? Op::Add : Op::Sub;
            product();
            emit(op);
        }
    }
    void product() {
        factor();
        while (next_is("×") || next_is("/")) {
            const Op op = word(at_++) == "×" ? Op::Mul : Op::Div;
            factor();
            emit(op);
        }
    }
    void factor() {
        if (next_is("−")) {
            ++at_;
            factor();
            emit(Op::Neg);
            return;
        }
        primary();
        while (next_is("²")) {
            ++at_;
            emit(Op::Square);
        }
    }
    // A bracketed sum; plain parentheses add no operation.
    void enclosed(std::string_view close, std::optional<Op> op) {
        ++at_;
        sum();
        expect(close);
        if (op) emit(*op);
    }
    void primary() {
        if (at_ >= f_.tokens_.size()) fail("ends too early");
        const Token& t = f_.tokens_[at_];
        const std::string_view w = word(at_);
        if (t.symbol != kNoSymbol) {
            f_.program_.push_back({Op::Symbol, t.symbol, {}});
            ++at_;
        } else if (w == "(") {
            enclosed(")", std::nullopt);
        } else if (w == "π") {
            f_.program_.push_back({Op::Real, 0, std::numbers::pi});
            ++at_;
        } else if (w == "[") {
            enclosed("]", Op::Round);
        } else if (w == "|") {
            enclosed("|", Op::Abs);
        } else if (const Op fn = function(w); fn != Op::Symbol) {
            ++at_;
            if (!next_is("(")) fail("a function needs (");
            enclosed(")", fn);
        } else if (!w.empty() && (std::isdigit(static_cast<unsigned char>(w.front())) != 0)) {
            const bool real = w.find('.') != std::string_view::npos;
            f_.program_.push_back(
                {real ? Op::Real : Op::Integer, 0, real ? read_number(w, 0.0) : read_number(w, std::int64_t{0})});
            ++at_;
        } else {
            fail("unexpected " + std::string(w));
        }
    }
    static Op function(std::string_view w) {
        if (w == "√") return Op::Sqrt;
        if (w == "arctan") return Op::Atan;
        if (w == "sin") return Op::Sin;
        if (w == "cos") return Op::Cos;
        if (w == "tan") return Op::Tan;
        return Op::Symbol;
    }

    Formula& f_;
    std::size_t at_ = 0;
};

Formula::Formula(std::string_view text, std::span<const std::string_view> symbols) : text_(text) {
    std::size_t at = 0;
    while (at < text_.size()) {
        if (text_[at] == ' ') {
            ++at;
            continue;
        }
        const std::string_view rest = std::string_view(text_).substr(at);
        std::size_t length = 0;
        std::size_t symbol = kNoSymbol;
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            if (symbols[i].size() > length && rest.starts_with(symbols[i])) {
                length = symbols[i].size();
                symbol = i;
            }
        }
        for (const Word& w : kWords) {
            if (w.text.size() > length && rest.starts_with(w.text)) {
                length = w.text.size();
                symbol = kNoSymbol;
            }
        }
        if (length == 0) {
            while (length < rest.size() &&
                   (std::isdigit(static_cast<unsigned char>(rest[length])) != 0 || rest[length] == '.'))
                ++length;
        }
        if (length == 0) bad_formula(text_, "unknown character at " + std::to_string(at));
        tokens_.push_back({at, at + length, symbol});
        at += length;
    }
    Parser(*this).parse();
}

Number Formula::evaluate(std::span<const Number> values) const {
    std::vector<Number> stack;
    stack.reserve(program_.size());
    const auto pop = [&stack] {
        Number n = stack.back();
        stack.pop_back();
        return n;
    };
    for (const Instruction& in : program_) {
        switch (in.op) {
            case Op::Symbol: stack.push_back(values[in.symbol]); continue;
            case Op::Integer:
            case Op::Real: stack.push_back(in.literal); continue;
            default: break;
        }
        const Number b = pop();
        switch (in.op) {
            case Op::Neg: stack.push_back(negate(b)); break;
            case Op::Round: stack.push_back(fixed4_rounding(b)); break;
            case Op::Abs: stack.push_back(std::fabs(to_double(b))); break;
            case Op::Square: stack.push_back(to_double(b) * to_double(b)); break;
            case Op::Sqrt: stack.push_back(std::sqrt(to_double(b))); break;
            case Op::Atan: stack.push_back(std::atan(to_double(b))); break;
            case Op::Sin: stack.push_back(std::sin(to_double(b))); break;
            case Op::Cos: stack.push_back(std::cos(to_double(b))); break;
            case Op::Tan: stack.push_back(std::tan(to_double(b))); break;
            default: {
                const Number a = pop();
                if (in.op == Op::Add || in.op == Op::Sub) stack.push_back(add(a, b, in.op == Op::Sub));
                if (in.op == Op::Mul) stack.push_back(multiply(a, b));
                if (in.op == Op::Div) stack.push_back(divide(to_double(a), to_double(b)));
            }
        }
    }
    return stack.back();
}

std::string Formula::substituted(std::span<const Number> values) const {
    return substituted(values, Precision::Full).text;
}

Formula::Substitution Formula::substituted(std::span<const Number> values, Precision precision) const {
    Substitution out;
    std::size_t copied = 0;
    for (const Token& t : tokens_) {
        if (t.symbol == kNoSymbol) continue;
        out.text.append(text_, copied, t.begin - copied);
        const std::string value = number_text(values[t.symbol], precision);
        const bool enclosed = value.starts_with('-') || value == kAboutZero;
        if (enclosed) out.text += "(";
        out.values.push_back({out.text.size(), out.text.size() + value.size(), values[t.symbol]});
        out.text += value;
        if (enclosed) out.text += ")";
        copied = t.end;
    }
    out.text.append(text_, copied);
    return out;
}

std::vector<std::size_t> Formula::symbols_used() const {
    std::vector<std::size_t> used;
    for (const Token& t : tokens_) {
        if (t.symbol != kNoSymbol && std::find(used.begin(), used.end(), t.symbol) == used.end())
            used.push_back(t.symbol);
    }
    return used;
}

std::vector<Formula::Term> Formula::terms() const {
    std::vector<Term> out;
    int depth = 0;
    bool in_bars = false;
    bool after_operand = false;
    std::size_t term_begin = 0;
    bool subtracted = false;
    const auto close_term = [&](std::size_t end) {
        std::string_view text = std::string_view(text_).substr(term_begin, end - term_begin);
        while (text.starts_with(' ')) text.remove_prefix(1);
        while (text.ends_with(' ')) text.remove_suffix(1);
        out.push_back({subtracted, std::string(text)});
    };
    for (const Token& t : tokens_) {
        const std::string_view w = std::string_view(text_).substr(t.begin, t.end - t.begin);
        const bool sign = t.symbol == kNoSymbol && (w == "+" || w == "−");
        if (sign && depth == 0 && !in_bars && after_operand) {
            close_term(t.begin);
            term_begin = t.end;
            subtracted = w == "−";
            after_operand = false;
            continue;
        }
        if (w == "(" || w == "[") ++depth;
        if (w == ")" || w == "]") --depth;
        if (w == "|" && t.symbol == kNoSymbol) in_bars = !in_bars;
        after_operand = t.symbol != kNoSymbol || w == ")" || w == "]" || w == "²" || w == "π" ||
                        (w == "|" && !in_bars) || std::isdigit(static_cast<unsigned char>(w.front())) != 0;
    }
    close_term(text_.size());
    return out;
}

}  // namespace korvel::engine
