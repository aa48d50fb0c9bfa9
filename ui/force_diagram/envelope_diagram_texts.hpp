#pragma once

#include "engine/envelope.hpp"
#include "ui/force_diagram/force_diagram_layout.hpp"

namespace korvel::ui {

// The reactions of an envelope as its diagram writes them: both extremes where
// they differ ("RL0 = 14.688 / -5.04, uplift"), with the uplift in words where a
// support must hold the truss down. The envelope must outlive the function.
ReactionText envelope_reaction_texts(const engine::Envelope& envelope);

}  // namespace korvel::ui
