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

}  // namespace

std::string system_error_text(int error_number) { return std::strerror(error_number); }

void write_all(int fd, const char* data, std::size_t size) {
    const std::size_t largest = largest_unblocking_write(fd);
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
            throw IoError("could not write the results: " + system_error_text(errno));
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
