#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/working.hpp"

namespace korvel::engine {

// One step of the working as text, the same for the window, the PDF and the command line.
// The question is what a student works from; the answer is what study mode hides.
struct StepText {
    std::string heading;
    std::vector<std::string> question;
    std::vector<std::string> answer;
    std::vector<std::string> terms;  // a moment sum term by term, part of the answer
};

StepText step_text(const WorkingStep& step);
std::string_view stage_title(Stage stage);
// "Span 10; loads V(U4) = 10", or "no loads".
std::string working_inputs(const Working& working);

// The whole working as plain UTF-8 text: Markdown headings and lists only.
std::string working_markdown(const Working& working);

}  // namespace korvel::engine
