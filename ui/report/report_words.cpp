#include "ui/report/report_words.hpp"

#include <algorithm>

#include "engine/arithmetic_error.hpp"
#include "engine/truss_geometry.hpp"
#include "ui/report/report_texts.hpp"
#include "ui/widgets/auto_size_label.hpp"
#include "ui/widgets/qt_text.hpp"

namespace korvel::ui {

QString force_word(engine::Fixed4 force) {
    const ForceSign sign = force_sign(force);
    return to_qstring(
        std::find_if(kForceWords.begin(), kForceWords.end(), [&](const ForceWord& w) { return w.sign == sign; })->word);
}

QString reaction_direction(engine::Reaction reaction, engine::Fixed4 value) {
    if (value == engine::Fixed4()) return to_qstring(kNoReaction);
    const ReactionDirection& row = kReactionDirections[engine::to_index(reaction)];
    return to_qstring(value.count() > 0 ? row.positive : row.negative);
}

QString span_line(std::string_view typed) {
    const QString shown = AutoSizeLabel::shown_caption(to_qstring(typed));
    try {
        const QString used = to_qstring(engine::derive_geometry(typed).span.to_text());
        if (used != to_qstring(typed)) return to_qstring(kSpanTypedAndUsedLine).arg(shown, used);
    } catch (const engine::ArithmeticError&) {
        // A span the analysis refuses has no other reading to show.
    }
    return to_qstring(kSpanLine).arg(shown);
}

}  // namespace korvel::ui
