#include "ui/force_diagram/envelope_diagram_texts.hpp"

#include "engine/truss_model.hpp"
#include "ui/force_diagram/force_diagram_texts.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

ReactionText envelope_reaction_texts(const engine::Envelope& envelope) {
    return [&envelope](engine::Reaction reaction) {
        const engine::Extremes& extremes = envelope.reaction(reaction);
        QString text = to_qstring(engine::reaction_name(reaction)) + QStringLiteral(" = ") +
                       to_qstring(extremes.max.value.to_text());
        if (extremes.min.value != extremes.max.value)
            text += QStringLiteral(" / ") + to_qstring(extremes.min.value.to_text());
        if (envelope.uplifts(reaction)) text += to_qstring(force_diagram_texts::kUpliftSuffix);
        return text;
    };
}

}  // namespace korvel::ui
