#pragma once

#include <string_view>

namespace korvel::ui {

// The words of the design report, beside the design's own texts in design/.
inline constexpr std::string_view kDesignReportTitle = "KORVEL - Design of the members";
inline constexpr std::string_view kDesignSpanLead = "Span: ";
inline constexpr std::string_view kDesignConditionsHeading = "Conditions of the design";
inline constexpr std::string_view kDesignMembersHeading = "Check of every member under every combination";
inline constexpr std::string_view kDesignFailingLead = "Fail or not checked: ";
inline constexpr std::string_view kDesignLightestHeading = "Lightest sections that pass";
inline constexpr std::string_view kDesignNotAnalysedLead = "Not analysed: ";
inline constexpr std::string_view kDeflectionHeading = "Deflection";

}  // namespace korvel::ui
