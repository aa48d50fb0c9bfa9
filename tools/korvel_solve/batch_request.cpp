#include "tools/korvel_solve/batch_request.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "engine/truss_model.hpp"

namespace korvel::solve {

namespace {

using nlohmann::json;

// Streams the line's JSON events straight into the analysis input, so a case
// costs no document of its own. Any event out of place stops the parse with the
// reason recorded.
class CaseReader {
public:
    explicit CaseReader(engine::AnalysisInput& input) : input_(input) {}

    const std::optional<BadRequest>& problem() const { return problem_; }

    bool null() { return wrong_value("null"); }
    bool boolean(bool) { return wrong_value("a true/false value"); }
    bool number_integer(json::number_integer_t) { return wrong_value("a number"); }
    bool number_unsigned(json::number_unsigned_t) { return wrong_value("a number"); }
    bool number_float(json::number_float_t, const json::string_t&) { return wrong_value("a number"); }
    bool binary(json::binary_t&) { return wrong_value("binary data"); }
    bool start_array(std::size_t) { return wrong_value("an array"); }
    bool end_array() { return true; }  // never reached: every array is refused when it starts

    bool string(json::string_t& value) {
        switch (state_) {
            case State::SpanValue:
                input_.span.assign(value);
                state_ = State::TopKey;
                return true;
            case State::LoadValue:
                input_.loads[load_].assign(value);
                state_ = State::LoadKey;
                return true;
            default:
                return wrong_value("a text");
        }
    }

    bool start_object(std::size_t) {
        switch (state_) {
            case State::Start:
                state_ = State::TopKey;
                return true;
            case State::LoadsValue:
                state_ = State::LoadKey;
                return true;
            default:
                return wrong_value("an object");
        }
    }

    bool end_object() {
        state_ = state_ == State::LoadKey ? State::TopKey : State::Done;
        return true;
    }

    bool key(json::string_t& name) {
        if (state_ == State::TopKey) return top_key(name);
        const auto index = engine::load_index_by_key(name);
        if (!index) {
            return refuse("\"" + name + "\" is not a load; loads are NODE.V for L0..L6 and U1..U7, "
                                        "and NODE.H for L0, U1..U7 and L6");
        }
        if (given_[*index]) return refuse("load \"" + name + "\" is given twice");
        given_[*index] = true;
        load_ = *index;
        current_key_.assign(name);
        state_ = State::LoadValue;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        return refuse(std::string("not valid JSON: ") + error.what());
    }

private:
    enum class State : std::uint8_t { Start, TopKey, SpanValue, LoadsValue, LoadKey, LoadValue, Done };

    bool top_key(json::string_t& name) {
        if (name == "span" && !span_given_) {
            span_given_ = true;
            current_key_ = "span";
            state_ = State::SpanValue;
            return true;
        }
        if (name == "loads" && !loads_given_) {
            loads_given_ = true;
            current_key_ = "loads";
            state_ = State::LoadsValue;
            return true;
        }
        if (name == "span" || name == "loads") return refuse("\"" + name + "\" is given twice");
        return refuse("unknown key \"" + name + "\"; a case has only \"span\" and \"loads\"");
    }

    // A value where the case needs something else.
    bool wrong_value(const char* what) {
        if (state_ == State::Start) {
            return refuse("the line must be one JSON object, {\"span\": TEXT, \"loads\": {...}}");
        }
        if (state_ == State::LoadsValue) {
            return refuse(std::string("\"loads\" must be an object of load texts, not ") + what);
        }
        return refuse("\"" + current_key_ + "\" must be a text in quotes, not " + what);
    }

    bool refuse(std::string message) {
        problem_ = BadRequest{std::move(message)};
        return false;
    }

    engine::AnalysisInput& input_;
    State state_ = State::Start;
    std::string current_key_;
    std::size_t load_ = 0;
    bool span_given_ = false;
    bool loads_given_ = false;
    std::array<bool, engine::kLoadCount> given_{};
    std::optional<BadRequest> problem_;
};

}  // namespace

std::optional<BadRequest> read_batch_case(std::string_view line, engine::AnalysisInput& input) {
    input.span.clear();
    for (std::string& load : input.loads) load.clear();
    CaseReader reader(input);
    json::sax_parse(line, &reader);
    return reader.problem();
}

}  // namespace korvel::solve
