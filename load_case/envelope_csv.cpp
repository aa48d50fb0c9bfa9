#include "load_case/envelope_csv.hpp"

#include <string_view>

#include "engine/result_table.hpp"

namespace korvel::load_case {

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

namespace {

std::string csv_row(std::string_view item, const engine::Extremes& e, std::span<const std::string> names) {
    return std::string(item) + ',' + e.max.value.to_text() + ',' + csv_field(names[e.max.by]) + ',' +
           e.min.value.to_text() + ',' + csv_field(names[e.min.by]) + ',' + (e.reverses() ? "true" : "false") + "\r\n";
}

}  // namespace

std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names) {
    std::string out = "item,max,max_by,min,min_by,reverses\r\n";
    if (!envelope.has_values()) return out;
    for (const engine::Member member : engine::kMembersInTableOrder)
        out += csv_row(engine::member_name(member), envelope.force(member), names);
    for (const engine::ReactionRow& row : engine::kReactionRows)
        out += csv_row(engine::reaction_name(row.reaction), envelope.reaction(row.reaction), names);
    return out;
}

}  // namespace korvel::load_case
