#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "design/material.hpp"
#include "design/units.hpp"

namespace korvel::design {

enum class SectionShape { Rectangle, CircularHollow, SquareHollow, RectangularHollow, Custom };
// How a hollow section was made, which decides its corner radii and, in
// EN 1993-1-1 Table 6.2, its buckling curve; timber and custom sections are Given.
enum class Forming { Given, HotFinished, ColdFormed };
// EN 1993-1-1 Table 6.1.
enum class BucklingCurve { A0, A, B, C, D };

// A cross-section in the length unit of its code's tables (mm or in), with the
// axis in the truss's plane (y, depth h) told from the one out of it (z, width b).
struct Section {
    std::string name;  // as written in the project: "47x150", "2x6", "SHS 100x5 cold-formed"
    SectionShape shape = SectionShape::Rectangle;
    Forming forming = Forming::Given;
    LengthUnit unit = LengthUnit::mm;
    double depth = 0;  // h, in the plane; D of a round tube
    double width = 0;  // b, out of the plane
    double wall = 0;   // t of a hollow section (the design wall for AISC)
    double outer_radius = 0, inner_radius = 0;
    double area = 0;
    double radius_in_plane = 0;      // i_y
    double radius_out_of_plane = 0;  // i_z
    BucklingCurve curve = BucklingCurve::C;
    int nominal_depth = 0;  // of an NDS dimension-lumber size: 6 for 2x6
};

// The corner radii of a rectangular hollow section of wall t: EN 10219-2:2006
// Table A.1 (cold-formed), EN 10210-2:2019 (hot-finished, 1.5t and t), and the
// AISC manual's 2t and t for the design wall.
struct CornerRadii {
    double outer, inner;
};
CornerRadii corner_radii(Forming forming, double wall, UnitSystem system);

// Area and second moment about the axis parallel to `width` of a rectangular
// tube with rounded corners: the two rectangles, less the outer and plus the
// inner corners' spandrels.
double rounded_tube_area(double depth, double width, double wall, CornerRadii radii);
double rounded_tube_second_moment(double depth, double width, double wall, CornerRadii radii);

// Reads a section text for a material in its code's unit system:
//   timber   "BxH" (mm, or in for NDS) or an NDS size "2x3" ... "2x12" (dressed 1.5 × 2.5 ... 1.5 × 11.25 in)
//   steel    "CHS DxT", "SHS BxT", "RHS HxBxT", each followed by "hot-finished" or "cold-formed"
//   custom   "custom A=... i_y=... i_z=... curve=a0|a|b|c|d" (steel only)
// or a sentence saying what is wrong.
std::variant<Section, std::string> read_section(std::string_view text, const Material& material, UnitSystem system);

}  // namespace korvel::design
