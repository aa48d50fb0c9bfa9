// Fuzz target for the reader of case and project files. Whatever the text, the
// reader returns: a refused text says why; an accepted case or project saves to
// a text that reads back as the same case or project, and an accepted project's
// combinations are analysed without a crash.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "fuzz/fuzz_check.hpp"
#include "load_case/combination.hpp"
#include "load_case/load_case.hpp"
#include "load_case/project.hpp"

namespace {

using korvel::fuzz::fail;
namespace load_case = korvel::load_case;

load_case::CaseFileRead read(std::string_view text, std::string_view data) {
    try {
        return load_case::read_case_file(text);
    } catch (...) {
        fail("reading a case file threw", data);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    const load_case::CaseFileRead outcome = read(data, data);
    if (const auto* refused = std::get_if<load_case::FormatError>(&outcome)) {
        if (refused->message.empty()) fail("a refused text does not say why", data);
    } else if (const auto* unusable = std::get_if<load_case::ProjectError>(&outcome)) {
        if (unusable->message.empty()) fail("a refused project does not say why", data);
    } else if (const auto* input = std::get_if<korvel::engine::AnalysisInput>(&outcome)) {
        const auto again = read(load_case::write_load_case(*input), data);
        const auto* reread = std::get_if<korvel::engine::AnalysisInput>(&again);
        if (reread == nullptr || reread->span != input->span || reread->loads != input->loads)
            fail("a saved case does not read back as itself", data);
    } else {
        const auto& project = std::get<load_case::Project>(outcome);
        const auto again = read(load_case::write_project(project), data);
        const auto* reread = std::get_if<load_case::Project>(&again);
        if (reread == nullptr || *reread != project) fail("a saved project does not read back as itself", data);
        if (std::holds_alternative<load_case::ProjectError>(load_case::envelope_of(project)))
            fail("a project the reader accepted has no envelope", data);
    }
    return 0;
}
