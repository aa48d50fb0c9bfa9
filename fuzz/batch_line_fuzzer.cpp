// Fuzz target for one korvel-solve batch line. Whatever the line, its answer is
// exactly one line: a JSON object and a line break, with no other line break,
// counted as an error exactly when it is one, and the same answer each time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.hpp"
#include "tools/korvel_solve/line_answerer.hpp"

namespace {

using korvel::fuzz::fail;
using korvel::solve::InputLine;
using korvel::solve::LineAnswerer;

std::string answer(std::string_view text, bool& error, std::string_view data) {
    static LineAnswerer answerer(korvel::solve::ResultValues::Strings, std::nullopt);
    InputLine line;
    line.text = text;
    line.number = 1;
    line.length = text.size();
    std::string out;
    try {
        error = answerer.answer(line, "fuzz", out);
    } catch (...) {
        fail("answering a line threw", data);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    // A batch line never holds a line break.
    const std::string_view text = data.substr(0, data.find('\n'));
    bool error = false;
    const std::string out = answer(text, error, data);
    if (out.empty() || out.front() != '{' || !out.ends_with("}\n") || out.find('\n') != out.size() - 1)
        fail("the answer is not one JSON object on one line: " + korvel::fuzz::escaped(out), data);
    const bool says_error = out.starts_with("{\"error\"") || out.find("\"complete\":false") != std::string::npos;
    if (error != says_error) fail("the answer's error count does not match what it says", data);
    bool again_error = false;
    if (answer(text, again_error, data) != out || again_error != error)
        fail("the same line is answered differently the second time", data);
    return 0;
}
