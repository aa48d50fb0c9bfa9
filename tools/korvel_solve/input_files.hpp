#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/korvel_solve/batch.hpp"

namespace korvel::solve {

// The named inputs of a run, opened before anything is read so that a missing
// or unreadable file is found before any output; "-" is standard input.
class InputFiles {
public:
    // Throws UsageError naming the first file that cannot be opened or is a directory.
    explicit InputFiles(const std::vector<std::string>& names);
    ~InputFiles();
    InputFiles(const InputFiles&) = delete;
    InputFiles& operator=(const InputFiles&) = delete;

    const std::vector<BatchInput>& inputs() const { return inputs_; }

private:
    void close_all();

    std::vector<BatchInput> inputs_;
};

// The largest case or project file read: room for a project at its limits of
// 1000 cases and 1000 combinations of 1000 factors each, with texts of a few
// dozen characters (such a project takes about 25 MB), while bounding memory.
inline constexpr std::size_t kMaxCaseFileBytes = load_case::kLargestFileBytes;

// Whether a case file's text names the parts of a project, so that a message can
// call it one even before it reads as one.
bool names_project_parts(std::string_view text);

// The whole text of a case or project file. Throws InputError naming the input
// when it cannot be read or is larger than kMaxCaseFileBytes.
std::string read_case_text(const BatchInput& input);

// How a message names an input: the quoted file name, or "standard input".
std::string input_description(const BatchInput& input);

}  // namespace korvel::solve
