#include "engine/roof_pitch.hpp"

#include <array>
#include <cctype>
#include <cmath>
#include <numbers>
#include <optional>

#include "engine/arithmetic_error.hpp"
#include "engine/quoted_text.hpp"

namespace korvel::engine {
namespace {

constexpr double kFlattestDegrees = 5;
constexpr double kSteepestDegrees = 40;
// From here on L2 meets L3: the middle bottom-chord panels have no length.
constexpr double kMiddlePanelGoneDegrees = 45;

constexpr std::string_view kForms =
    "Give the pitch in degrees (30, 30° or 22.5 deg), as a rise per 12 of run (7:12 or 7/12), "
    "or as the rise itself in the unit of the span (rise 3.6).";
constexpr std::string_view kRange = "KORVEL takes pitches from 5° to 40°.";

double tangent_of_degrees(double degrees) { return std::tan(degrees * std::numbers::pi / 180); }

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

// `text` without the word `word` at its start (ignoring case), or nothing.
std::optional<std::string_view> after_word(std::string_view text, std::string_view word) {
    if (text.size() < word.size() || !equal_ignoring_case(text.substr(0, word.size()), word)) return std::nullopt;
    return text.substr(word.size());
}

// `text` without the unit `unit` at its end (ignoring case), or nothing.
std::optional<std::string_view> before_unit(std::string_view text, std::string_view unit) {
    if (text.size() < unit.size() || !equal_ignoring_case(text.substr(text.size() - unit.size()), unit))
        return std::nullopt;
    return trimmed(text.substr(0, text.size() - unit.size()));
}

struct Unreadable {
    PitchProblem problem;
};

// A decimal number, or why it is not one.
double number(std::string_view text) {
    try {
        return parse_double(trimmed(text));
    } catch (const ArithmeticError& e) {
        throw Unreadable{e.kind() == ErrorKind::Overflow ? PitchProblem::BeyondRange : PitchProblem::NotUnderstood};
    }
}

void check_degrees(double degrees) {
    if (degrees <= 0) throw Unreadable{PitchProblem::NotPositive};
    if (degrees < kFlattestDegrees) throw Unreadable{PitchProblem::TooFlat};
    if (degrees >= kMiddlePanelGoneDegrees) throw Unreadable{PitchProblem::NoMiddlePanel};
    if (degrees > kSteepestDegrees) throw Unreadable{PitchProblem::TooSteep};
}

RoofPitch degrees_pitch(std::string_view number_text) {
    const double degrees = number(number_text);
    check_degrees(degrees);
    return {PitchForm::Degrees, tangent_of_degrees(degrees), Fixed4(), std::string(trimmed(number_text)) + "°"};
}

RoofPitch rise_per_run_pitch(std::string_view rise_text, std::string_view run_text) {
    const double rise = number(rise_text);
    const double run = number(run_text);
    if (run <= 0) throw Unreadable{PitchProblem::NoRun};
    if (rise <= 0) throw Unreadable{PitchProblem::NotPositive};
    const double tangent = rise / run;
    if (tangent < flattest_tangent()) throw Unreadable{PitchProblem::TooFlat};
    if (tangent >= 1) throw Unreadable{PitchProblem::NoMiddlePanel};
    if (tangent > steepest_tangent()) throw Unreadable{PitchProblem::TooSteep};
    return {PitchForm::RisePerRun, tangent, Fixed4(),
            std::string(trimmed(rise_text)) + ":" + std::string(trimmed(run_text))};
}

RoofPitch rise_pitch(std::string_view rise_text) {
    Fixed4 rise;
    try {
        rise = Fixed4::parse(trimmed(rise_text));
    } catch (const ArithmeticError& e) {
        throw Unreadable{e.kind() == ErrorKind::Overflow ? PitchProblem::BeyondRange : PitchProblem::NotUnderstood};
    }
    if (rise.count() <= 0) throw Unreadable{PitchProblem::NotPositive};
    return {PitchForm::Rise, 0, rise, "rise " + rise.to_text()};
}

RoofPitch read_pitch(std::string_view text) {
    if (text.empty()) throw Unreadable{PitchProblem::Empty};
    if (const auto rest = after_word(text, "rise")) {
        std::string_view value = trimmed(*rest);
        if (!value.empty() && (value.front() == ':' || value.front() == '=')) value.remove_prefix(1);
        return rise_pitch(value);
    }
    for (const std::string_view separator : {":", "/", " in "}) {
        const std::size_t at = text.find(separator);
        if (at != std::string_view::npos) {
            return rise_per_run_pitch(text.substr(0, at), text.substr(at + separator.size()));
        }
    }
    for (const std::string_view unit : {"°", "º", "degrees", "degree", "deg"}) {
        if (const auto value = before_unit(text, unit)) return degrees_pitch(*value);
    }
    return degrees_pitch(text);
}

}  // namespace

double flattest_tangent() {
    static const double tangent = tangent_of_degrees(kFlattestDegrees);
    return tangent;
}

double steepest_tangent() {
    static const double tangent = tangent_of_degrees(kSteepestDegrees);
    return tangent;
}

std::variant<RoofPitch, PitchError> parse_pitch(std::string_view text) {
    try {
        return read_pitch(trimmed(text));
    } catch (const Unreadable& unreadable) {
        return PitchError{unreadable.problem, std::string(text)};
    }
}

RoofPitch pitch_of_tangent(double tangent) { return {PitchForm::Degrees, tangent, Fixed4(), {}}; }

std::string PitchError::message() const {
    const std::string quoted = quoted_text(text);
    std::string out = "The roof pitch " + quoted;
    switch (problem) {
        case PitchProblem::Empty: return "The roof pitch is empty. " + std::string(kForms);
        case PitchProblem::NotUnderstood:
            return "The roof pitch is not understood: " + quoted + ". " + std::string(kForms);
        case PitchProblem::BeyondRange: out += " is beyond the computable range. "; break;
        case PitchProblem::NotPositive: out += " does not rise: a roof rises from its supports to its apex. "; break;
        case PitchProblem::NoRun:
            return out + " has no run: the number after the colon is the run, such as 12 in 7:12. " +
                   std::string(kForms);
        case PitchProblem::TooFlat: out += " is too flat: below 5° the webs vanish into the chords. "; break;
        case PitchProblem::TooSteep: out += " is too steep. "; break;
        case PitchProblem::NoMiddlePanel:
            out += " is too steep: from 45° on the bottom-chord panels L2L3 and L3L4 vanish. ";
            break;
    }
    return out + std::string(kRange);
}

}  // namespace korvel::engine
