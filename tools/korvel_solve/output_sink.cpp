#include "tools/korvel_solve/output_sink.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/io_error.hpp"

namespace korvel::solve {

std::string system_error_text(int error_number) { return std::strerror(error_number); }

void write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        // A reader that takes nothing more must not keep an interruption from ending the run.
        if (!wait_for(fd, POLLOUT, -1) && interruption_signal() != 0) {
            throw IoError("interrupted while writing the results");
        }
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN) {
                // A descriptor someone else made non-blocking: wait until it takes more.
                wait_for(fd, POLLOUT, -1);
                continue;
            }
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
