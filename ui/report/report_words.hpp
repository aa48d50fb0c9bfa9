#pragma once

#include <QString>
#include <string_view>

#include "engine/fixed4.hpp"
#include "engine/truss_model.hpp"

namespace korvel::ui {

// "Tension", "Compression" or "Zero", by the force's value.
QString force_word(engine::Fixed4 force);
// The way the support pushes on the truss, e.g. "upward" or "to the right".
QString reaction_direction(engine::Reaction reaction, engine::Fixed4 value);
// "Span: 16", or "Span: -16 as typed, used as 16" where the analysis reads the text as another number.
QString span_line(std::string_view typed);

}  // namespace korvel::ui
