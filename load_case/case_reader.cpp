#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

#include "engine/quoted_text.hpp"
#include "engine/truss_model.hpp"
#include "load_case/json_cursor.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"
#include "load_case/unicode_text.hpp"

namespace korvel::load_case {

namespace {

constexpr std::string_view kCaseShape = R"(one JSON object {"span": TEXT, "loads": {"U4.V": TEXT, ...}})";

// Some editors start a UTF-8 file with it; JSON allows a reader to pass over it.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A case that is valid JSON but not of the case's shape; the message names the key.
struct ShapeFault {
    std::string message;
    ProjectFault fault = ProjectFault::Shape;
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

// Reads the array's elements, which are separated by commas, calling
// read_element(index) with the cursor on each; the opening bracket is taken.
template <typename ReadElement>
void read_elements(JsonCursor& cursor, ReadElement read_element) {
    cursor.skip_whitespace();
    if (cursor.take(']')) return;
    for (std::size_t index = 0;; ++index) {
        read_element(index);
        cursor.skip_whitespace();
        if (cursor.take(']')) return;
        cursor.expect(',', "a comma or the closing bracket ']'");
    }
}

// Reads a single case into `input`, and, when `project` is given, a project's cases and combinations too.
class CaseReader {
public:
    CaseReader(std::string_view text, engine::AnalysisInput& input, Project* project = nullptr)
        : cursor_(text), input_(input), project_(project) {}

    // Whether the text has shown itself to be a project: it has "cases" or "combinations".
    bool is_project() const { return cases_given_ || combinations_given_; }
    // The case or combination being read, for a fault's message; empty outside them.
    const std::string& part() const { return part_; }

    void read() {
        input_.span.clear();
        for (std::string& load : input_.loads) load.clear();
        if (!input_.pitch.is_default()) input_.pitch = {};

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
        } else if (key == "pitch" || key == "rise") {
            read_pitch(key);
        } else if (project_ && key == "cases") {
            if (cases_given_) throw ShapeFault{"\"cases\" is given twice"};
            cases_given_ = true;
            read_array(key, [&](std::size_t index) { read_case(index); });
        } else if (project_ && key == "combinations") {
            if (combinations_given_) throw ShapeFault{"\"combinations\" is given twice"};
            combinations_given_ = true;
            read_array(key, [&](std::size_t index) { read_combination(index); });
        } else if (project_ && key == "units") {
            if (project_->units) throw ShapeFault{"\"units\" is given twice"};
            read_units(project_->units.emplace());
        } else if (project_ && key == "design") {
            if (project_->design) throw ShapeFault{"\"design\" is given twice"};
            read_design(project_->design.emplace());
        } else if (is_project()) {
            throw ShapeFault{
                "unknown key " + engine::quoted_text(key) +
                "; a project has only \"span\", \"cases\" and \"combinations\" "
                "(and \"pitch\" or \"rise\" where the roof is not 6:12, \"units\" and \"design\" where it is "
                "designed): remove it"};
        } else if (project_) {
            throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                             "; a case has only \"span\", \"pitch\" or \"rise\" and \"loads\", a project \"span\", "
                             "\"pitch\" or \"rise\", \"cases\", \"combinations\", \"units\" and \"design\""};
        } else {
            throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                             "; a case has only \"span\", \"pitch\" or \"rise\" and \"loads\""};
        }
        if (loads_given_ && is_project()) {
            throw ShapeFault{"a file has either \"loads\" (one case) or \"cases\" and \"combinations\" (a project)"};
        }
    }

    template <typename ReadElement>
    void read_array(std::string_view key, ReadElement read_element) {
        const ValueKind kind = cursor_.next_value_kind();
        if (kind == ValueKind::Invalid) cursor_.fail_unexpected("an array [...]");
        if (kind != ValueKind::Array) {
            throw ShapeFault{engine::quoted_text(key) + " must be an array [...], not " +
                             std::string(value_name(kind))};
        }
        cursor_.expect('[', "an array");
        read_elements(cursor_, [&](std::size_t index) {
            if (index == kProjectPartLimit) {
                part_.clear();
                throw ShapeFault{engine::quoted_text(key) + " has more than " + std::to_string(kProjectPartLimit) +
                                     " entries; a project holds at most that many",
                                 ProjectFault::TooMany};
            }
            read_element(index);
        });
        part_.clear();
    }

    // Expects an object and reads its members, naming `what` in the message when it is not one.
    template <typename ReadMember>
    void read_object(std::string_view what, ReadMember read_member) {
        const ValueKind kind = cursor_.next_value_kind();
        if (kind == ValueKind::Invalid) cursor_.fail_unexpected("an object {...}");
        if (kind != ValueKind::Object) {
            throw ShapeFault{std::string(what) + " must be an object {...}, not " + std::string(value_name(kind))};
        }
        cursor_.expect('{', "an object");
        read_members(cursor_, read_member);
    }

    void read_case(std::size_t index) {
        LoadCase& load_case = project_->cases.emplace_back();
        part_ = part_name("case", "", index);
        bool kind_given = false;
        bool loads_given = false;
        bool name_given = false;
        read_object(part_, [&](std::string_view key) {
            if (key == "name") {
                if (name_given) throw ShapeFault{"\"name\" is given twice"};
                name_given = true;
                read_name(load_case.name);
                part_ = part_name("case", load_case.name, index);
                check_distinct("case", load_case.name, case_names_);
            } else if (key == "kind") {
                if (kind_given) throw ShapeFault{"\"kind\" is given twice"};
                kind_given = true;
                std::string text;
                read_name(text);
                const std::optional<CaseKind> kind = case_kind_from_key(text);
                if (!kind) {
                    throw ShapeFault{"kind " + engine::quoted_text(text) +
                                     " is not one of dead, live, roof-live, snow, wind and other"};
                }
                load_case.kind = *kind;
            } else if (key == "loads") {
                if (loads_given) throw ShapeFault{"\"loads\" is given twice"};
                loads_given = true;
                read_loads(load_case.loads);
            } else {
                throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                                 "; a case has \"name\", \"kind\" and \"loads\""};
            }
        });
        if (!name_given) throw ShapeFault{"it has no \"name\"", ProjectFault::EmptyName};
    }

    void read_combination(std::size_t index) {
        Combination& combination = project_->combinations.emplace_back();
        part_ = part_name("combination", "", index);
        bool name_given = false;
        bool factors_given = false;
        read_object(part_, [&](std::string_view key) {
            if (key == "name") {
                if (name_given) throw ShapeFault{"\"name\" is given twice"};
                name_given = true;
                read_name(combination.name);
                part_ = part_name("combination", combination.name, index);
                check_distinct("combination", combination.name, combination_names_);
            } else if (key == "factors") {
                if (factors_given) throw ShapeFault{"\"factors\" is given twice"};
                factors_given = true;
                read_object("\"factors\"", [&](std::string_view case_name) {
                    Factor& factor = combination.factors.emplace_back();
                    // The key's view lasts only until the value's string is read.
                    factor.case_name.assign(case_name);
                    read_text(factor.case_name, factor.text);
                });
            } else {
                throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                                 "; a combination has \"name\" and \"factors\""};
            }
        });
        if (!name_given) throw ShapeFault{"it has no \"name\"", ProjectFault::EmptyName};
    }

    // Names are compared by name_key: a name that is another one written
    // differently is refused here, naming both as they were written.
    static void check_distinct(std::string_view what, const std::string& name,
                               std::map<std::string, std::string, std::less<>>& names) {
        std::string key = name_key(name);
        if (key.empty()) return;  // check_project says what a missing name needs
        const auto [found, added] = names.emplace(std::move(key), name);
        if (!added && found->second != name) {
            throw ShapeFault{"it has the same name as " + std::string(what) + " " + engine::quoted_text(found->second) +
                                 " once names are compared as Unicode text (NFC, blanks at the ends left out); "
                                 "give each its own",
                             ProjectFault::RepeatedName};
        }
    }

    void read_units(ProjectUnits& units) {
        bool force_given = false, length_given = false;
        read_object("\"units\"", [&](std::string_view key) {
            bool& given = key == "force" ? force_given : length_given;
            if (key != "force" && key != "length") {
                throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                                 " in \"units\"; it has \"force\" and \"length\""};
            }
            if (given) throw ShapeFault{engine::quoted_text(key) + " is given twice in \"units\""};
            given = true;
            read_name(key == "force" ? units.force : units.length);
        });
        if (!force_given || !length_given) throw ShapeFault{"\"units\" needs both \"force\" and \"length\""};
    }

    // The design's keys: texts, or objects of texts by group, member or case kind.
    void read_design(DesignSettings& design) {
        const std::array<std::pair<std::string_view, std::string*>, 4> texts{
            {{"code", &design.code},
             {"service_class", &design.service_class},
             {"material", &design.material},
             {"deflection_limit", &design.deflection_limit}}};
        const std::array<std::pair<std::string_view, std::vector<NamedText>*>, 8> tables{{
            {"sections", &design.sections},
            {"bracing", &design.bracing},
            {"members", &design.members},
            {"buckling_factors", &design.buckling_factors},
            {"load_duration", &design.load_duration},
            {"partial_factors", &design.partial_factors},
            {"candidates", &design.candidates},
            {"deflection_limits", &design.deflection_limits},
        }};
        std::vector<std::string> given;
        read_object("\"design\"", [&](std::string_view key) {
            if (std::find(given.begin(), given.end(), key) != given.end()) {
                throw ShapeFault{engine::quoted_text(key) + " is given twice in \"design\""};
            }
            given.emplace_back(key);
            for (const auto& [name, text] : texts) {
                if (name == key) return read_text(name, *text);
            }
            if (key == "serviceability") {
                return read_array("serviceability",
                                  [&](std::size_t) { read_name(design.serviceability.emplace_back()); });
            }
            for (const auto& [name, table_of_name] : tables) {
                if (name != key) continue;
                // A plain pointer: a lambda may not capture a structured binding in every compiler.
                auto* table = table_of_name;
                return read_object(engine::quoted_text(name), [&](std::string_view entry) {
                    if (std::any_of(table->begin(), table->end(),
                                    [entry](const NamedText& named) { return named.name == entry; })) {
                        throw ShapeFault{engine::quoted_text(entry) + " is given twice in " + engine::quoted_text(key)};
                    }
                    NamedText& named = table->emplace_back();
                    named.name.assign(entry);
                    read_text(named.name, named.text);
                });
            }
            throw ShapeFault{"unknown key " + engine::quoted_text(key) +
                             " in \"design\"; it has \"code\", \"service_class\", \"material\", \"sections\", "
                             "\"bracing\", \"members\", \"buckling_factors\", \"load_duration\", "
                             "\"partial_factors\", \"candidates\", \"serviceability\", \"deflection_limit\" and "
                             "\"deflection_limits\""};
        });
    }

    void read_name(std::string& out) {
        const ValueKind kind = cursor_.next_value_kind();
        if (kind == ValueKind::Invalid) cursor_.fail_unexpected("a text in quotes");
        if (kind != ValueKind::String)
            throw ShapeFault{"a name must be a text in quotes, not " + std::string(value_name(kind))};
        cursor_.read_string(out);
    }

    void read_loads() { read_loads(input_.loads); }

    // "pitch": "30°" in any form a pitch takes, or "rise": "3.6"; one of the two, once.
    void read_pitch(std::string_view key) {
        if (pitch_given_) throw ShapeFault{"the roof pitch is given twice (\"pitch\" and \"rise\" are one)"};
        pitch_given_ = true;
        std::string text;
        read_text(key, text);
        auto pitch = engine::parse_pitch(key == "rise" ? "rise " + text : text);
        if (auto* error = std::get_if<engine::PitchError>(&pitch)) {
            throw ShapeFault{engine::quoted_text(key) + ": " + error->message()};
        }
        input_.pitch = std::get<engine::RoofPitch>(std::move(pitch));
    }

    void read_loads(std::array<std::string, engine::kLoadCount>& loads) {
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
            read_text(key, loads[*index]);
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
    Project* project_;
    std::string part_;
    bool span_given_ = false;
    bool loads_given_ = false;
    bool pitch_given_ = false;
    bool cases_given_ = false;
    bool combinations_given_ = false;
    std::map<std::string, std::string, std::less<>> case_names_;  // by name_key, as first written
    std::map<std::string, std::string, std::less<>> combination_names_;
};

FormatError text_fault_error(const TextFault& fault, std::string_view json_text) {
    return FormatError{"not valid JSON: " + fault.problem + " at " + JsonCursor::place(json_text, fault.offset) +
                       "; expected " + fault.expected};
}

}  // namespace

std::optional<FormatError> read_load_case(std::string_view json_text, engine::AnalysisInput& input) {
    // Places are counted from after the mark, which an editor does not show.
    if (json_text.starts_with(kByteOrderMark)) json_text.remove_prefix(kByteOrderMark.size());
    try {
        CaseReader(json_text, input).read();
        return std::nullopt;
    } catch (const TextFault& fault) {
        return text_fault_error(fault, json_text);
    } catch (const ShapeFault& fault) {
        return FormatError{fault.message};
    }
}

std::variant<engine::AnalysisInput, FormatError> read_load_case(std::string_view json_text) {
    engine::AnalysisInput input;
    if (auto error = read_load_case(json_text, input)) return std::move(*error);
    return input;
}

CaseFileRead read_case_file(std::string_view json_text) {
    if (json_text.starts_with(kByteOrderMark)) json_text.remove_prefix(kByteOrderMark.size());
    engine::AnalysisInput input;
    Project project;
    CaseReader reader(json_text, input, &project);
    try {
        reader.read();
    } catch (const TextFault& fault) {
        return text_fault_error(fault, json_text);
    } catch (const ShapeFault& fault) {
        if (!reader.is_project()) return FormatError{fault.message};
        const std::string& part = reader.part();
        return ProjectError{fault.fault, part, part.empty() ? fault.message : part + ": " + fault.message};
    }
    if (!reader.is_project()) {
        if (project.units || project.design) {
            return FormatError{"\"units\" and \"design\" belong to a project with \"cases\" and \"combinations\""};
        }
        return input;
    }
    project.span = std::move(input.span);
    project.pitch = std::move(input.pitch);
    if (auto error = check_project(project)) return std::move(*error);
    return project;
}

}  // namespace korvel::load_case
