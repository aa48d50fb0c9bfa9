#include "tools/korvel_solve/result_json.hpp"

#include <array>
#include <cstring>
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

// A text of the bytes - . / 0..9 only, which JSON carries as it is in a string.
bool is_plain_number_text(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c - '-') > '9' - '-') return false;
    }
    return true;
}

// Fragments are copied in blocks of this size; the line buffer has room for
// the longest line with every text at full capacity and every fragment padded.
constexpr std::size_t kCopyBlock = 16;
constexpr std::size_t kLineBuffer = 4096;

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

    std::size_t longest_line = 0;
    for (std::size_t i = 0; i < fragments_.size(); ++i) {
        const std::size_t blocks = (fragments_[i].size() + kCopyBlock - 1) / kCopyBlock;
        padded_fragments_[i] = fragments_[i];
        padded_fragments_[i].resize(blocks * kCopyBlock, '\0');
        longest_line += padded_fragments_[i].size() + engine::ResultText::kCapacity + 2;
    }
    if (longest_line + 1 > kLineBuffer) throw std::logic_error("result document longer than its line buffer");
}

void ResultLineWriter::append(std::string& out, const engine::AnalysisResult& result) const {
    // The line is put together on the stack in fixed-size copies, which the
    // compiler turns into a few moves each, and then appended in one piece:
    // this is what keeps long batches fast.
    char line[kLineBuffer];
    char* at = line;
    const auto copy_fragment = [&at, this](std::size_t i) {
        const std::string& padded = padded_fragments_[i];
        for (std::size_t block = 0; block < padded.size(); block += kCopyBlock) {
            std::memcpy(at + block, padded.data() + block, kCopyBlock);
        }
        at += fragments_[i].size();
    };
    const bool quoted = values_ == ResultValues::Strings;
    for (std::size_t i = 0; i < result_index_.size(); ++i) {
        const engine::ResultText& text = result.texts[result_index_[i]];
        if (!is_plain_number_text(text) || (!quoted && !load_case::is_json_number(text))) {
            append_any(out, result);
            return;
        }
        copy_fragment(i);
        if (quoted) *at++ = '"';
        // The whole inline capacity is copied; only the text's own bytes are kept.
        std::memcpy(at, text.view().data(), engine::ResultText::kCapacity);
        at += text.size();
        if (quoted) *at++ = '"';
    }
    copy_fragment(fragments_.size() - 1);
    *at++ = '\n';
    out.append(line, static_cast<std::size_t>(at - line));
}

void ResultLineWriter::append_any(std::string& out, const engine::AnalysisResult& result) const {
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
