#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvel::solve {

// One line of a batch input, without its line break.
struct InputLine {
    enum class Kind : std::uint8_t {
        Text,         // `text` holds the whole line
        TooLong,      // longer than allowed: passed over, never held whole
        OutOfMemory,  // no memory to hold it: passed over
    };
    std::string_view text;
    std::size_t number = 0;  // from 1, within its input
    std::size_t length = 0;  // in bytes
    Kind kind = Kind::Text;
};

// Reads lines from a file descriptor in large blocks of its own, and tells the
// caller when the next read would wait, so that output can be written before it.
class LineSource {
public:
    // `name` is how messages call the input, e.g. "standard input".
    LineSource(int fd, std::string name, std::size_t max_line_bytes);

    // Replaces `lines` with the lines at hand, reading only when there are none
    // and calling before_wait() first when that read would wait. The texts stay
    // valid until the next call. False at the end of the input or when the run
    // is interrupted. Throws IoError when the input cannot be read.
    bool next_lines(std::vector<InputLine>& lines, const std::function<void()>& before_wait);

private:
    void take_complete_lines(std::vector<InputLine>& lines);
    void take_last_line(std::vector<InputLine>& lines);
    void emit(std::vector<InputLine>& lines, std::size_t line_end);
    void make_room();
    void pass_over_current_line(InputLine::Kind why);
    void read_more(const std::function<void()>& before_wait);

    int fd_;
    std::string name_;
    std::size_t max_line_bytes_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t line_start_ = 0;  // the first byte of the line not yet taken
    std::size_t scanned_ = 0;     // no line break before this offset after line_start_
    std::size_t end_ = 0;         // the end of the bytes read
    std::size_t line_number_ = 0;
    bool at_end_ = false;
    // A line being passed over: why, and how many of its bytes have gone by.
    InputLine::Kind passing_over_ = InputLine::Kind::Text;
    std::size_t passed_bytes_ = 0;
};

}  // namespace korvel::solve
