#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "engine/fixed4.hpp"

namespace korvel::engine {

// How the pitch was written: an angle, a rise per run ("7:12"), or the rise itself.
enum class PitchForm { Degrees, RisePerRun, Rise };

// The slope of the top chords. Every form yields the tangent t of the slope;
// the rise form carries its rise h instead, whose tangent 2h/S needs the span.
struct RoofPitch {
    PitchForm form = PitchForm::RisePerRun;
    double tangent = 0.5;  // t; for the rise form known only with the span
    Fixed4 rise;           // h, for the rise form only
    std::string text = "6:12";

    // The 6:12 roof, rise S/4, whose results are the program's original ones.
    bool is_default() const { return form != PitchForm::Rise && tangent == 0.5; }

    friend bool operator==(const RoofPitch&, const RoofPitch&) = default;
};

// Why a pitch text cannot be used.
enum class PitchProblem {
    Empty,
    NotUnderstood,
    BeyondRange,  // a number beyond the computable range
    NotPositive,
    NoRun,          // a rise per run of 0
    TooFlat,        // below 5°: the webs vanish into the chords
    TooSteep,       // above 40°, below 45°
    NoMiddlePanel,  // from 45° on: the bottom-chord panels L2L3 and L3L4 vanish
};

struct PitchError {
    PitchProblem problem;
    std::string text;  // as typed

    // A sentence for the user naming the pitch, what is wrong and the forms a pitch takes.
    std::string message() const;
};

// The accepted range of the tangent: tan 5° to tan 40°.
double flattest_tangent();
double steepest_tangent();

// Reads "30", "30°", "22.5 deg", "7:12", "7/12", "6 in 12" or "rise 3.6".
std::variant<RoofPitch, PitchError> parse_pitch(std::string_view text);

// The pitch of a tangent, for drawing and for the checks that rework an analysis on another span.
RoofPitch pitch_of_tangent(double tangent);

}  // namespace korvel::engine
