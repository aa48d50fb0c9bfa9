#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "design/member_design.hpp"
#include "design/project_design.hpp"
#include "engine/node_displacements.hpp"

namespace korvel::design {

// The bands a member's utilisation is drawn in: what the picture of a design
// colours, and the legend says in words.
enum class UtilisationBand { Light, Working, Near, Over, NotChecked };
inline constexpr std::size_t kUtilisationBandCount = 5;

// Below 0.5, 0.5 up to 0.9, 0.9 up to 1.0, over 1.0 (exactly 1.0 passes), or a
// member whose section could not be checked.
UtilisationBand utilisation_band(const MemberDesign& member);

inline constexpr std::array<std::string_view, kUtilisationBandCount> kUtilisationBandWords{
    "utilisation below 0.5", "0.5 to 0.9", "0.9 to 1.0", "over 1.0: fails", "not checked"};

// A member's utilisation as the picture labels it: "0.81", "not checked".
std::string utilisation_label(const MemberDesign& member);

// The factor the movements are drawn at: 1, 2 or 5 times a power of ten, the
// largest that keeps the largest deflection within a twentieth of the span, so
// the deformed truss stays near the drawn one; 1 where
// nothing moves.
double exaggeration(double largest_movement, double span);

// "deflections drawn 50 × their size".
std::string exaggeration_words(double factor);

// The nodes' instantaneous movements under one serviceability combination, for the picture.
struct DeformedShape {
    std::string combination;
    engine::NodeDisplacements moved{};
    engine::Node largest_node = engine::Node::L0;  // of the largest vertical movement
    double largest = 0;                            // its size, project length unit
    double factor = 1;                             // exaggeration(largest, span)
};

// The shape of the check's combination at `index` (into answer.deflection's combinations),
// or why there is none.
std::variant<DeformedShape, std::string> deformed_shape(const load_case::Project& project, const ProjectDesign& answer,
                                                        std::size_t index);

// The combination whose largest deflection is the largest of the check: the one the picture shows first.
std::size_t governing_combination(const DeflectionCheck& check);

}  // namespace korvel::design
