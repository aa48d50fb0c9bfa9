#include "tools/korvel_solve/output_sink.hpp"

#include <fcntl.h>
#include <limits.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/io_error.hpp"

namespace korvel::solve {

namespace {

// A terminal is ready for output when a few hundred bytes fit.
constexpr std::size_t kTerminalPiece = 256;

enum class OutputKind { Any, Pipe, Socket, Terminal };

OutputKind output_kind(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0 || S_ISREG(status.st_mode)) return OutputKind::Any;
    if (S_ISFIFO(status.st_mode)) return OutputKind::Pipe;
    if (S_ISSOCK(status.st_mode)) return OutputKind::Socket;
    return ::isatty(fd) ? OutputKind::Terminal : OutputKind::Any;
}

// The most one write may hold so that it cannot block once poll has said the
// output is ready: a blocked write would keep an interruption from being taken.
// A file takes any write; a ready socket PIPE_BUF bytes; a pipe the pages it has
// free (one kept back for a page the reader has begun), at least PIPE_BUF.
std::size_t largest_unblocking_write(int fd, OutputKind kind) {
    constexpr std::size_t kPage = 4096;
    switch (kind) {
        case OutputKind::Any: return SIZE_MAX;
        case OutputKind::Socket: return PIPE_BUF;
        case OutputKind::Terminal: return kTerminalPiece;
        case OutputKind::Pipe: break;
    }
    const int capacity = ::fcntl(fd, F_GETPIPE_SZ);
    int queued = 0;
    if (capacity <= 0 || ::ioctl(fd, FIONREAD, &queued) != 0) return PIPE_BUF;
    const auto pages = static_cast<std::size_t>(capacity) / kPage;
    const std::size_t used = (static_cast<std::size_t>(queued) + kPage - 1) / kPage + 1;
    return pages > used + 1 ? (pages - used) * kPage : PIPE_BUF;
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

// After an interruption, a line begun in a pipe or on a terminal is written to its
// end, so that the reader gets no half line, as long as the reader takes more
// within this time each time; a reader that takes nothing gets the half line.
constexpr int kLineEndTimeoutMs = 1000;

// Writes the rest of the line begun before an interruption (`data` has `size`
// bytes left); false when the reader stopped taking it.
bool finish_line(int fd, const char* data, std::size_t size) {
    std::size_t left = std::string_view(data, size).find('\n');
    left = left == std::string_view::npos ? size : left + 1;
    while (left > 0) {
        pollfd ready{fd, POLLOUT, 0};
        if (::poll(&ready, 1, kLineEndTimeoutMs) <= 0) return false;
        const ssize_t written = ::write(fd, data, std::min(left, largest_unblocking_write(fd, output_kind(fd))));
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

std::string system_error_text(int error_number) { return std::strerror(error_number); }

void write_all(int fd, const char* data, std::size_t size) {
    const OutputKind kind = output_kind(fd);
    const char* const start = data;
    while (size > 0) {
        // A reader that takes nothing more must not keep an interruption from ending the run.
        if (!wait_for(fd, POLLOUT, -1)) {
            if (interruption_signal() != 0 && data != start && data[-1] != '\n') finish_line(fd, data, size);
            throw IoError(interruption_signal() != 0 ? "interrupted while writing the results"
                                                     : "could not write the results: " + system_error_text(errno));
        }
        const ssize_t written = ::write(fd, data, next_piece(data, size, largest_unblocking_write(fd, kind)));
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
