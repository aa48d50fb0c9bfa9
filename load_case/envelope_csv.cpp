#include "load_case/envelope_csv.hpp"

#include <string_view>

#include "engine/envelope_table.hpp"
#include "engine/quoted_text.hpp"

namespace korvel::load_case {

std::string csv_field(std::string_view name) {
    const std::string text = engine::escaped_controls(name);
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

namespace {

void append_row(std::string& out, const engine::EnvelopeRow& row) {
    out.append(row.item).append(",").append(row.max).append(",").append(csv_field(row.max_by)).append(",");
    out.append(row.min).append(",").append(csv_field(row.min_by)).append(row.reverses ? ",true\r\n" : ",false\r\n");
}

}  // namespace

std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names) {
    const engine::EnvelopeTable table = engine::envelope_table(envelope, names);
    std::string out = "item,max,max_by,min,min_by,reverses\r\n";
    for (const engine::EnvelopeRow& row : table.members) append_row(out, row);
    for (const engine::EnvelopeRow& row : table.reactions) append_row(out, row);
    return out;
}

}  // namespace korvel::load_case
