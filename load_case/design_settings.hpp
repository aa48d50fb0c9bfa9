#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvel::load_case {

// A key of the file and its text, in the file's order.
struct NamedText {
    std::string name;
    std::string text;

    friend bool operator==(const NamedText&, const NamedText&) = default;
};

// The units a project's numbers are in: {"force": "kN", "length": "m"}. The
// analysis is unit-free; a design needs them.
struct ProjectUnits {
    std::string force;
    std::string length;

    friend bool operator==(const ProjectUnits&, const ProjectUnits&) = default;
};

// A project's "design" block as written, texts only; the design library reads
// and checks them. Keys other than code, service_class and material are objects
// of texts by group, member or case kind.
struct DesignSettings {
    std::string code;
    std::string service_class;
    std::string material;
    std::vector<NamedText> sections;           // group: section
    std::vector<NamedText> bracing;            // group: out-of-plane buckling length
    std::vector<NamedText> members;            // member: section that overrides its group's
    std::vector<NamedText> buckling_factors;   // group: factor on the length in the plane
    std::vector<NamedText> load_duration;      // case kind: load-duration class
    std::vector<NamedText> partial_factors;    // "gamma_M0", "gamma_M1": a national annex's values
    std::vector<NamedText> candidates;         // group: candidate sections separated by ";"
    std::vector<std::string> serviceability;   // the combinations whose deflections are checked
    std::string deflection_limit;              // the span over this is the largest deflection allowed
    std::vector<NamedText> deflection_limits;  // combination: its own divisor of the span, instead of the one above

    friend bool operator==(const DesignSettings&, const DesignSettings&) = default;
};

}  // namespace korvel::load_case
