#include <array>

#include "engine/quoted_text.hpp"
#include "engine/truss_model.hpp"
#include "load_case/json_cursor.hpp"
#include "load_case/load_case.hpp"

namespace korvel::load_case {

namespace {

constexpr std::string_view kCaseShape = R"(one JSON object {"span": TEXT, "loads": {"U4.V": TEXT, ...}})";

// Some editors start a UTF-8 file with it; JSON allows a reader to pass over it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A case that is valid JSON but not of the case's shape; the message names the key.
struct ShapeFault {
    std::string message;
};

// The load slot of a key "NODE.C" straight from its four characters: a batch
// reads thousands of keys a second, and this is what load_index_by_key finds.
std::optional<std::size_t> load_slot_of(std::string_view key) {
    static constexpr auto kSlots = [] {
        // Rows: L0..L6 then U1..U9 (the Node order); columns: H, V; -1 where there is no load.
        std::array<std::array<int, 2>, 16> slots{};
        for (auto& row : slots) row = {-1, -1};
        for (std::size_t i = 0; i < engine::kLoadMap.size(); ++i) {
            const engine::LoadSlot& slot = engine::kLoadMap[i];
            slots[static_cast<std::size_t>(slot.node)][slot.component == engine::Component::Vertical ? 1 : 0] =
                static_cast<int>(i);
        }
        return slots;
    }();
    if (key.size() != 4 || key[2] != '.' || (key[3] != 'H' && key[3] != 'V')) return std::nullopt;
    const int digit = key[1] - '0';
    int node = -1;
    if (key[0] == 'L' && digit >= 0 && digit <= 6) node = digit;
    if (key[0] == 'U' && digit >= 1 && digit <= 9) node = 6 + digit;
    if (node < 0) return std::nullopt;
    const int slot = kSlots[static_cast<std::size_t>(node)][key[3] == 'V' ? 1 : 0];
    if (slot < 0) return std::nullopt;
    return static_cast<std::size_t>(slot);
}

std::string_view value_name(ValueKind kind) {
    switch (kind) {
        case ValueKind::String: return "a text";
        case ValueKind::Number: return "a number";
        case ValueKind::Object: return "an object";
        case ValueKind::Array: return "an array";
        case ValueKind::True: return "true";
        case ValueKind::False: return "false";
        case ValueKind::Null: return "null";
        case ValueKind::Invalid: break;
    }
    return "not a value";
}

// Reads the object's members, which are "key": value pairs separated by commas,
// calling read_member(key) with the cursor on each value.
template <typename ReadMember>
void read_members(JsonCursor& cursor, ReadMember read_member) {
    cursor.skip_whitespace();
    if (cursor.take('}')) return;
    for (;;) {
        cursor.skip_whitespace();
        if (cursor.at_end() || cursor.next_value_kind() != ValueKind::String) {
            cursor.fail_unexpected("a key in quotes");
        }
        // A view: even an escaped key, held by the cursor, lasts until the value's own string is read.
        const std::string_view key = cursor.read_string_view();
        cursor.skip_whitespace();
        cursor.expect(':', "a colon after the key");
        read_member(key);
        cursor.skip_whitespace();
        if (cursor.take('}')) return;
        cursor.expect(',', "a comma or the closing brace '}'");
    }
}

class CaseReader {
public:
    CaseReader(std::string_view text, engine::AnalysisInput& input) : cursor_(text), input_(input) {}

    void read() {
        input_.span.clear();
        for (std::string& load : input_.loads) load.clear();

        const ValueKind kind = cursor_.next_value_kind();
        if (kind == ValueKind::Invalid) cursor_.fail_unexpected(kCaseShape);
        if (kind != ValueKind::Object)
            throw ShapeFault{"a case must be " + std::string(kCaseShape) + ", not " + std::string(value_name(kind))};
        cursor_.expect('{', kCaseShape);
        read_members(cursor_, [&](std::string_view key) { read_case_member(key); });
        cursor_.skip_whitespace();
        if (!cursor_.at_end()) cursor_.fail_unexpected("the end of the case after its closing brace");
    }

private:
    void read_case_member(std::string_view key) {
        if (key == "span") {
            if (span_given_) throw ShapeFault{"\"span\" is given twice"};
            span_given_ = true;
            read_text(key, input_.span);
        } else if (key == "loads") {
            if (loads_given_) throw ShapeFault{"\"loads\" is given twice"};
            loads_given_ = true;
            read_loads();
        } else {
            throw ShapeFault{"unknown key " + engine::quoted_text(key) + "; a case has only \"span\" and \"loads\""};
        }
    }

    void read_loads() {
        const ValueKind kind = cursor_.next_value_kind();
        if (kind == ValueKind::Invalid) cursor_.fail_unexpected("an object of load texts");
        if (kind != ValueKind::Object) {
            throw ShapeFault{"\"loads\" must be an object of load texts like {\"U4.V\": \"10\"}, not " +
                             std::string(value_name(kind))};
        }
        cursor_.expect('{', "an object of load texts");
        std::array<bool, engine::kLoadCount> given{};
        read_members(cursor_, [&](std::string_view key) {
            const auto index = load_slot_of(key);
            if (!index) throw ShapeFault{engine::quoted_text(key) + " is not a load; " + std::string(kLoadKeysHint)};
            if (given[*index]) throw ShapeFault{"load " + engine::quoted_text(key) + " is given twice"};
            given[*index] = true;
            read_text(key, input_.loads[*index]);
        });
    }

    // A text as it would be typed: a JSON string, or a JSON number standing for its own text.
    void read_text(std::string_view key, std::string& out) {
        const ValueKind kind = cursor_.next_value_kind();
        switch (kind) {
            case ValueKind::String: cursor_.read_string(out); return;
            case ValueKind::Number: out.assign(cursor_.read_number()); return;
            case ValueKind::Invalid: cursor_.fail_unexpected("a text in quotes or a number");
            default:
                throw ShapeFault{engine::quoted_text(key) + " must be a text in quotes or a number, not " +
                                 std::string(value_name(kind))};
        }
    }

    JsonCursor cursor_;
    engine::AnalysisInput& input_;
    bool span_given_ = false;
    bool loads_given_ = false;
};

}  // namespace

std::optional<FormatError> read_load_case(std::string_view json_text, engine::AnalysisInput& input) {
    // Places are counted from after the mark, which an editor does not show.
    if (json_text.starts_with(kByteOrderMark)) json_text.remove_prefix(kByteOrderMark.size());
    try {
        CaseReader(json_text, input).read();
        return std::nullopt;
    } catch (const TextFault& fault) {
        return FormatError{"not valid JSON: " + fault.problem + " at " + JsonCursor::place(json_text, fault.offset) +
                           "; expected " + fault.expected};
    } catch (const ShapeFault& fault) {
        return FormatError{fault.message};
    }
}

std::variant<engine::AnalysisInput, FormatError> read_load_case(std::string_view json_text) {
    engine::AnalysisInput input;
    if (auto error = read_load_case(json_text, input)) return std::move(*error);
    return input;
}

}  // namespace korvel::load_case
