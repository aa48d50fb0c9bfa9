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
    out.append(row.min).append(",").append(csv_field(row.min_by)).append(row.reverses ? ",true," : ",false,");
    out.append(row.note).append("\r\n");
}

}  // namespace

std::string envelope_csv(const engine::Envelope& envelope, std::span<const std::string> names,
                         const engine::RoofPitch& pitch) {
    const engine::EnvelopeTable table = engine::envelope_table(envelope, names);
    std::string out = "item,max,max_by,min,min_by,reverses,note\r\n";
    for (const engine::EnvelopeRow& row : table.members) append_row(out, row);
    for (const engine::EnvelopeRow& row : table.reactions) append_row(out, row);
    // An incomplete envelope says so in rows of its own, the table keeping its columns.
    for (const engine::EnvelopeFailure& failure : table.failures) {
        out.append(kNotAnalysedItem).append(",,,,,,");
        out.append(csv_field(std::string(failure.name) + ": " + failure.message)).append("\r\n");
    }
    if (!pitch.is_default()) out.append("pitch,").append(csv_field(pitch.text)).append(",,,,,\r\n");
    return out;
}

}  // namespace korvel::load_case
