#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/fixed4.hpp"

namespace korvel::engine {

// A value as the analysis holds it: a Fixed4, a double, or a small integer constant.
// The type decides the arithmetic, exactly as in the analysis.
using Number = std::variant<Fixed4, double, std::int64_t>;

double to_double(const Number& n);
// The text a working prints for a value: Fixed4 text, the shortest text that reads back
// as the same double, or the integer. read_number reads it back to the same value.
std::string number_text(const Number& n);

// How a working writes its doubles: as a student writes them (six significant digits,
// never an exponent, a value below kNegligible as "≈ 0"), or with every digit the
// program holds. Fixed4 values and integers are exact in both.
enum class Precision : std::uint8_t { Readable, Full };
inline constexpr double kNegligible = 1e-10;
inline constexpr std::string_view kAboutZero = "≈ 0";
std::string number_text(const Number& n, Precision precision);
Number read_number(std::string_view text, const Number& like);

// A formula as the working writes it, e.g. "(V(L0) − RL0) / sin θ", read against a list
// of symbols. Operators: + − × / and unary −; [x] is Fixed4 rounding, |x| the magnitude,
// x² the square in double; functions √( ), arctan( ), sin( ), cos( ), tan( ); π is the
// double nearest π. Each operation takes its type from its operands as the analysis does,
// left to right.
class Formula {
public:
    // Throws std::invalid_argument for a text that is not a formula over these symbols.
    Formula(std::string_view text, std::span<const std::string_view> symbols);

    // The value for these symbol values (indexed as the symbols); throws ArithmeticError
    // as the analysis would.
    Number evaluate(std::span<const Number> values) const;
    // The formula with each symbol replaced by the text of its value.
    std::string substituted(std::span<const Number> values) const;
    // The same in either precision, with where each value's text stands in it.
    struct Placed {
        std::size_t begin, end;
        Number value;
    };
    struct Substitution {
        std::string text;
        std::vector<Placed> values;
    };
    Substitution substituted(std::span<const Number> values, Precision precision) const;
    // The symbols it uses, in the order of their first appearance.
    std::vector<std::size_t> symbols_used() const;

    struct Term {
        bool subtracted;
        std::string text;  // without its sign
    };
    // The terms of the outermost sum, with their signs; one term for any other formula.
    std::vector<Term> terms() const;

private:
    enum class Op : std::uint8_t {
        Symbol,
        Integer,
        Real,
        Add,
        Sub,
        Mul,
        Div,
        Neg,
        Round,
        Abs,
        Square,
        Sqrt,
        Atan,
        Sin,
        Cos,
        Tan
    };
    struct Instruction {
        Op op;
        std::size_t symbol = 0;  // for Symbol
        Number literal;          // for Integer and Real
    };
    struct Token {
        std::size_t begin, end;
        std::size_t symbol;  // kNoSymbol unless the token is a symbol
    };
    static constexpr std::size_t kNoSymbol = static_cast<std::size_t>(-1);

    class Parser;

    std::string text_;
    std::vector<Token> tokens_;
    std::vector<Instruction> program_;  // postfix
};

}  // namespace korvel::engine
