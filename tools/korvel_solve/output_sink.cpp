#include "tools/korvel_solve/output_sink.hpp"

#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/io_error.hpp"

namespace korvel::solve {

namespace {

// A terminal is ready for output when a few hundred bytes fit.
constexpr std::size_t kTerminalPiece = 256;

// The most one write may hold so that it cannot block once poll has said the
// output is ready: a blocked write would keep an interruption from being taken.
// A file takes any write; a pipe or a socket that is ready takes PIPE_BUF bytes.
std::size_t largest_unblocking_write(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISREG(status.st_mode)) return SIZE_MAX;
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) return PIPE_BUF;
    return ::isatty(fd) ? kTerminalPiece : SIZE_MAX;
}

// The next piece to write: at most `largest` bytes, ending after a line break
// where one falls within them, so that output cut off ends with a whole line.
std::size_t next_piece(const char* data, std::size_t size, std::size_t largest) {
    if (size <= largest) return size;
    const std::string_view head(data, largest);
    const std::size_t line_end = head.rfind('\n');
    return line_end == std::string_view::npos ? largest : line_end + 1;
}

// The reason a write failed, in words.
std::string write_failure(int error_number) {
    if (error_number == EFBIG) {
        return "could not write the results: the output file reached the largest size allowed (ulimit -f); it "
               "ends with the last whole answer";
    }
    return "could not write the results: " + system_error_text(error_number);
}

// After a failed write to a file, cuts off the part of a line that got out, so
// that the file ends with a whole answer. `written` bytes of `data` were
// written. False when the file could not be cut (the failure is reported anyway).
bool trim_to_whole_lines(int fd, const char* data, std::size_t written) {
    struct stat status {};
    if (written == 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return true;
    const std::size_t line_end = std::string_view(data, written).rfind('\n');
    const std::size_t partial = line_end == std::string_view::npos ? written : written - line_end - 1;
    const off_t end = ::lseek(fd, 0, SEEK_CUR);
    if (partial == 0 || end < static_cast<off_t>(partial)) return true;
    return ::ftruncate(fd, end - static_cast<off_t>(partial)) == 0;
}

}  // namespace

std::string system_error_text(int error_number) { return std::strerror(error_number); }

void write_all(int fd, const char* data, std::size_t size) {
    const std::size_t largest = largest_unblocking_write(fd);
    const char* const start = data;
    while (size > 0) {
        // A reader that takes nothing more must not keep an interruption from ending the run.
        if (!wait_for(fd, POLLOUT, -1)) {
            throw IoError(interruption_signal() != 0 ? "interrupted while writing the results"
                                                     : "could not write the results: " + system_error_text(errno));
        }
        const ssize_t written = ::write(fd, data, next_piece(data, size, largest));
        if (written < 0) {
            // EAGAIN: a descriptor someone else made non-blocking; poll waits until it takes more.
            if (errno == EINTR || errno == EAGAIN) continue;
            const int error_number = errno;
            trim_to_whole_lines(fd, start, static_cast<std::size_t>(data - start));
            throw IoError(write_failure(error_number));
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void OutputSink::flush() {
    put(buffer_);
    buffer_.clear();
}

void OutputSink::write(std::string_view text) {
    flush();
    put(text);
}

void OutputSink::put(std::string_view text) {
    if (failed_) return;
    failed_ = true;
    write_all(fd_, text.data(), text.size());
    failed_ = false;
}

}  // namespace korvel::solve
