#include "tools/korvel_solve/line_source.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/io_error.hpp"

namespace korvel::solve {

namespace {

// Large enough for a thousand typical cases per read, small enough to keep a
// long batch's memory flat.
constexpr std::size_t kReadBlock = 1 << 18;

// The most lines handed out at once: a few milliseconds of work, so that an
// interruption is seen soon even when a long line has grown the buffer.
constexpr std::size_t kMostLinesAtOnce = 4096;

}  // namespace

LineSource::LineSource(int fd, std::string name, std::size_t max_line_bytes)
    : fd_(fd),
      name_(std::move(name)),
      max_line_bytes_(max_line_bytes),
      buffer_(new char[kReadBlock]),
      capacity_(kReadBlock) {}

bool LineSource::next_lines(std::vector<InputLine>& lines, const std::function<void()>& before_wait) {
    lines.clear();
    for (;;) {
        take_complete_lines(lines);
        if (!lines.empty()) return true;
        if (at_end_) {
            take_last_line(lines);
            return !lines.empty();
        }
        make_room();
        read_more(before_wait);
    }
}

void LineSource::take_complete_lines(std::vector<InputLine>& lines) {
    while (lines.size() < kMostLinesAtOnce) {
        const auto* found = static_cast<const char*>(std::memchr(buffer_.get() + scanned_, '\n', end_ - scanned_));
        if (found == nullptr) break;
        const auto line_end = static_cast<std::size_t>(found - buffer_.get());
        emit(lines, line_end);
        line_start_ = scanned_ = line_end + 1;
    }
    if (!lines.empty()) return;
    scanned_ = end_;
    if (passing_over_ != InputLine::Kind::Text) {
        // Of a line passed over, nothing is kept: the bytes read are only counted.
        passed_bytes_ += end_ - line_start_;
        end_ = scanned_ = line_start_;
    } else if (end_ - line_start_ > max_line_bytes_) {
        pass_over_current_line(InputLine::Kind::TooLong);
    }
}

void LineSource::take_last_line(std::vector<InputLine>& lines) {
    // The last line has no line break; it is a line all the same.
    if (line_start_ < end_ || passing_over_ != InputLine::Kind::Text) {
        emit(lines, end_);
        line_start_ = scanned_ = end_;
    }
}

void LineSource::emit(std::vector<InputLine>& lines, std::size_t line_end) {
    InputLine line;
    line.number = ++line_number_;
    line.length = passed_bytes_ + (line_end - line_start_);
    line.kind = passing_over_;
    if (line.kind == InputLine::Kind::Text && line.length > max_line_bytes_) line.kind = InputLine::Kind::TooLong;
    if (line.kind == InputLine::Kind::Text) line.text = std::string_view(buffer_.get() + line_start_, line.length);
    lines.push_back(line);
    passing_over_ = InputLine::Kind::Text;
    passed_bytes_ = 0;
}

void LineSource::pass_over_current_line(InputLine::Kind why) {
    passing_over_ = why;
    passed_bytes_ = end_ - line_start_;
    end_ = scanned_ = line_start_;
}

void LineSource::make_room() {
    // Nothing is handed out now, so the unfinished line can move to the front.
    std::memmove(buffer_.get(), buffer_.get() + line_start_, end_ - line_start_);
    end_ -= line_start_;
    scanned_ -= line_start_;
    line_start_ = 0;
    if (end_ < capacity_) return;

    // One line fills the buffer but is still within the limit: the buffer grows for it.
    // The limit is at least the current capacity here; compared as a difference, a
    // limit near the largest size_t cannot overflow.
    const std::size_t capacity = max_line_bytes_ - capacity_ < capacity_ ? max_line_bytes_ + 1 : 2 * capacity_;
    try {
        std::unique_ptr<char[]> grown(new char[capacity]);
        std::memcpy(grown.get(), buffer_.get(), end_);
        buffer_ = std::move(grown);
        capacity_ = capacity;
    } catch (const std::bad_alloc&) {
        pass_over_current_line(InputLine::Kind::OutOfMemory);
    }
}

void LineSource::read_more(const std::function<void()>& before_wait) {
    if (!wait_for(fd_, POLLIN, 0) && interruption_signal() == 0) {
        before_wait();
        wait_for(fd_, POLLIN, -1);
    }
    for (;;) {
        if (interruption_signal() != 0) {
            // An interrupted run answers no line that was cut off.
            at_end_ = true;
            line_start_ = scanned_ = end_;
            passing_over_ = InputLine::Kind::Text;
            return;
        }
        const ssize_t count = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
        if (count > 0) {
            end_ += static_cast<std::size_t>(count);
            return;
        }
        if (count == 0) {
            at_end_ = true;
            return;
        }
        if (errno != EINTR) throw IoError("could not read " + name_ + ": " + system_error_text(errno));
    }
}

}  // namespace korvel::solve
