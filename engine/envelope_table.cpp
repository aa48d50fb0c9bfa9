#include "engine/envelope_table.hpp"

#include "engine/result_table.hpp"

namespace korvel::engine {
namespace {

EnvelopeRow row_of(std::string_view item, const Extremes& extremes, std::span<const std::string> names,
                   std::string_view note) {
    return {item,
            extremes.max.value.to_text(),
            names[extremes.max.by],
            extremes.min.value.to_text(),
            names[extremes.min.by],
            note,
            extremes.reverses()};
}

std::string_view reaction_note(const Envelope& envelope, Reaction reaction) {
    for (const UpliftWords& uplift : kUpliftWords)
        if (uplift.reaction == reaction && envelope.uplifts(reaction)) return uplift.words;
    if (reaction == Reaction::HL0 && envelope.reaction(reaction).reverses()) return kActsBothWaysNote;
    return {};
}

std::string status_of(const Envelope& envelope, std::size_t combinations) {
    const std::string all = std::to_string(combinations);
    if (envelope.complete()) return "Envelope of " + all + " combinations.";
    if (!envelope.has_values()) return "No combination could be analysed.";
    return "Incomplete: the envelope leaves out " + std::to_string(envelope.failed().size()) + " of " + all +
           " combinations.";
}

}  // namespace

EnvelopeTable envelope_table(const Envelope& envelope, std::span<const std::string> names) {
    EnvelopeTable table;
    table.complete = envelope.complete();
    table.status = status_of(envelope, names.size());
    for (const FailedCombination& failed : envelope.failed())
        table.failures.push_back({names[failed.combination], failed.error.message()});
    if (!envelope.has_values()) return table;
    table.reactions.reserve(kReactionCount);
    for (const ReactionRow& row : kReactionRows) {
        table.reactions.push_back(row_of(reaction_name(row.reaction), envelope.reaction(row.reaction), names,
                                         reaction_note(envelope, row.reaction)));
    }
    table.members.reserve(kMemberCount);
    for (const Member member : kMembersInTableOrder) {
        const Extremes& force = envelope.force(member);
        table.members.push_back(row_of(member_name(member), force, names, force.reverses() ? kReversesNote : ""));
    }
    return table;
}

}  // namespace korvel::engine
