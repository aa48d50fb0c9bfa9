#pragma once

namespace korvel::app {

inline constexpr const char* kApplicationName = "KORVEL";
// Shown to the user; the file version of the executable is 2.1.0.1.
inline constexpr const char* kDisplayVersion = "2.01.0001";

}  // namespace korvel::app
