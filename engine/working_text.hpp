#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/working.hpp"

namespace korvel::engine {

// Where a number written shorter than the program holds it stands in a line of a
// step's text, with the program's full value, for a window to show on hover.
struct NumberMark {
    enum class Part : std::uint8_t { Question, Terms, Answer };
    Part part;
    std::size_t line;
    std::size_t begin, end;  // in bytes of the line
    std::string full;
};

// One step of the working as text, the same for the window, the PDF and the command line.
// The question is what a student works from; the answer is what study mode hides.
struct StepText {
    std::string heading;
    std::vector<std::string> question;
    std::vector<std::string> answer;
    std::vector<std::string> terms;  // a moment sum term by term, part of the answer
    std::vector<NumberMark> marks;   // none in full precision
};

// In Readable precision a sum leaves out its terms that a zero load makes zero, and the
// values list leaves out the zero loads, saying so.
StepText step_text(const WorkingStep& step, Precision precision = Precision::Readable);
std::string_view stage_title(Stage stage);
// "Span 10; loads V(U4) = 10", or "no loads"; a pitch other than 6:12 after the span.
std::string working_inputs(const Working& working);

// The whole working as plain UTF-8 text: Markdown headings and lists only.
std::string working_markdown(const Working& working, Precision precision = Precision::Readable);

}  // namespace korvel::engine
