#include "tools/korvel_solve/result_json.hpp"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "engine/result_table.hpp"

namespace korvel::solve {

namespace {

const char* group_name(ResultGroup group) {
    switch (group) {
        case ResultGroup::Lengths: return "lengths";
        case ResultGroup::Reactions: return "reactions";
        case ResultGroup::Forces: return "forces";
    }
    return "";
}

// The values of the document in document order: the lengths and forces in the
// results window's table order, the reactions in the order of its block.
constexpr std::array<ResultLineWriter::DocumentValue, ResultLineWriter::kValueCount> kDocumentValues = [] {
    std::array<ResultLineWriter::DocumentValue, ResultLineWriter::kValueCount> values{};
    std::size_t next = 0;
    for (const engine::Member member : engine::kMembersInTableOrder)
        values[next++] = {ResultGroup::Lengths, engine::to_index(member)};
    for (const engine::ReactionRow& row : engine::kReactionRows)
        values[next++] = {ResultGroup::Reactions, engine::to_index(row.reaction)};
    for (const engine::Member member : engine::kMembersInTableOrder)
        values[next++] = {ResultGroup::Forces, engine::to_index(member)};
    return values;
}();

std::string_view item_name(ResultLineWriter::DocumentValue value) {
    if (value.group == ResultGroup::Reactions) return engine::reaction_name(static_cast<engine::Reaction>(value.id));
    return engine::member_name(static_cast<engine::Member>(value.id));
}

engine::Fixed4 value_in(const engine::AnalysisResult& result, ResultLineWriter::DocumentValue value) {
    switch (value.group) {
        case ResultGroup::Lengths: return result.length(static_cast<engine::Member>(value.id));
        case ResultGroup::Reactions: return result.reaction(static_cast<engine::Reaction>(value.id));
        case ResultGroup::Forces: break;
    }
    return result.force(static_cast<engine::Member>(value.id));
}

// The line buffer has room for the longest line, with every text at its longest.
constexpr std::size_t kLineBuffer = 4096;

}  // namespace

Json result_json(const engine::AnalysisResult& result) {
    Json document = Json::object();
    for (const ResultLineWriter::DocumentValue value : kDocumentValues) {
        document[group_name(value.group)][std::string(item_name(value))] = value_in(result, value).to_text();
    }
    return document;
}

ResultLineWriter::ResultLineWriter(ResultValues values) {
    // Every value of a document of placeholders serializes as :"" and no key holds that sequence.
    Json placeholders = Json::object();
    for (const DocumentValue value : kDocumentValues)
        placeholders[group_name(value.group)][std::string(item_name(value))] = "";
    const std::string empty = placeholders.dump();
    constexpr std::string_view kEmptyValue = ":\"\"";
    // A value's quotes go into the fragments around it.
    const std::string_view quote = values == ResultValues::Strings ? "\"" : "";
    std::vector<std::string> texts;
    std::size_t start = 0;
    for (std::size_t at = empty.find(kEmptyValue); at != std::string::npos; at = empty.find(kEmptyValue, start)) {
        texts.push_back((texts.empty() ? "" : std::string(quote)) + empty.substr(start, at + 1 - start) +
                        std::string(quote));  // up to the colon
        start = at + 3;                       // from after the closing quote
    }
    texts.push_back(std::string(quote) + empty.substr(start));
    if (texts.size() != fragments_.size()) throw std::logic_error("result document has an unexpected shape");

    std::size_t longest_line = 0;
    for (std::size_t i = 0; i < fragments_.size(); ++i) {
        if (texts[i].size() > Fragment::kBlock) throw std::logic_error("result document key longer than its block");
        std::copy(texts[i].begin(), texts[i].end(), fragments_[i].text.begin());
        fragments_[i].size = texts[i].size();
        longest_line += Fragment::kBlock + engine::Fixed4::kMaxTextLength;
    }
    if (longest_line + 1 > kLineBuffer) throw std::logic_error("result document longer than its line buffer");
}

void ResultLineWriter::append(std::string& out, const engine::AnalysisResult& result) const {
    // The line is put together on the stack, each fragment in one fixed-size
    // copy that the compiler turns into a few moves, and then appended in one
    // piece: this is what keeps long batches fast. A Fixed4 text is a JSON
    // number and needs no escaping.
    char line[kLineBuffer];
    char* at = line;
    const auto copy_fragment = [&at](const Fragment& fragment) {
        std::memcpy(at, fragment.text.data(), Fragment::kBlock);
        at += fragment.size;
    };
    for (std::size_t i = 0; i < kDocumentValues.size(); ++i) {
        copy_fragment(fragments_[i]);
        at = value_in(result, kDocumentValues[i]).write_text(at);
    }
    copy_fragment(fragments_.back());
    *at++ = '\n';
    out.append(line, static_cast<std::size_t>(at - line));
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
