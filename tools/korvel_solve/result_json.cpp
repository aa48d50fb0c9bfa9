#include "tools/korvel_solve/result_json.hpp"

#include <stdexcept>

#include "load_case/json_text.hpp"
#include "tools/korvel_solve/reaction_order.hpp"

namespace korvel::solve {

namespace {

std::size_t index_of(std::string_view item, engine::ResultKind kind) {
    // Every member and reaction named here is one of the engine's result slots.
    return *engine::result_index(item, kind);
}

// Calls visit(group, item, kind) for every value of the document, in document order.
template <typename Visit>
void for_each_result_value(Visit visit) {
    for (const std::string_view member : engine::kMembersInTableOrder) {
        visit("lengths", member, engine::ResultKind::Length);
    }
    for (const std::string_view reaction : kReactionsInOrder) {
        visit("reactions", reaction, engine::ResultKind::Reaction);
    }
    for (const std::string_view member : engine::kMembersInTableOrder) {
        visit("forces", member, engine::ResultKind::Force);
    }
}

}  // namespace

Json result_json(const engine::AnalysisResult& result) {
    Json document = Json::object();
    for_each_result_value([&](const char* group, std::string_view item, engine::ResultKind kind) {
        document[group][std::string(item)] = result.texts[index_of(item, kind)].str();
    });
    return document;
}

ResultLineWriter::ResultLineWriter(ResultValues values) : values_(values) {
    std::size_t next = 0;
    for_each_result_value([&](const char*, std::string_view item, engine::ResultKind kind) {
        result_index_[next++] = index_of(item, kind);
    });

    // Every value of the empty document serializes as :"" and no key holds that sequence.
    const std::string empty = result_json(engine::AnalysisResult{}).dump();
    constexpr std::string_view kEmptyValue = ":\"\"";
    std::size_t fragment = 0;
    std::size_t start = 0;
    for (std::size_t at = empty.find(kEmptyValue); at != std::string::npos; at = empty.find(kEmptyValue, start)) {
        fragments_.at(fragment++) = empty.substr(start, at + 1 - start);  // up to the colon
        start = at + 3;                                                   // from after the closing quote
    }
    fragments_.at(fragment++) = empty.substr(start);
    if (fragment != fragments_.size()) throw std::logic_error("result document has an unexpected shape");
}

void ResultLineWriter::append(std::string& out, const engine::AnalysisResult& result) const {
    for (std::size_t i = 0; i < result_index_.size(); ++i) {
        const std::string_view text = result.texts[result_index_[i]].view();
        out += fragments_[i];
        if (values_ == ResultValues::Numbers && load_case::is_json_number(text)) {
            out += text;
        } else {
            load_case::append_json_string(out, text);
        }
    }
    out += fragments_.back();
    out += '\n';
}

namespace {

Json error_document(Json body) {
    Json document = Json::object();
    document["error"] = std::move(body);
    return document;
}

}  // namespace

Json error_json(const engine::AnalysisError& error) {
    Json body = Json::object();
    body["kind"] = std::string(engine::error_kind_key(error.kind));
    if (std::string input = error.input_key(); !input.empty()) {
        body["input"] = std::move(input);
        body["text"] = error.text;
    }
    body["message"] = error.message();
    return error_document(std::move(body));
}

Json bad_request_json(std::string_view message) {
    Json body = Json::object();
    body["kind"] = "bad-request";
    body["message"] = std::string(message);
    return error_document(std::move(body));
}

void append_json_line(std::string& out, const Json& document) {
    out += document.dump(-1, ' ', false, Json::error_handler_t::replace);
    out += '\n';
}

}  // namespace korvel::solve
