#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvel::solve {

// Gathers output for a file descriptor and writes it out whole on flush(). A
// write that fails (a full disk, a closed pipe) throws IoError at once, so a
// batch stops instead of computing on for nobody.
class OutputSink {
public:
    explicit OutputSink(int fd) : fd_(fd) {}

    // Where the next output is appended.
    std::string& buffer() { return buffer_; }
    // After a failed write nothing more is written: what follows would not line up.
    void flush();
    // Writes `text` at once, after everything gathered before it.
    void write(std::string_view text);

private:
    void put(std::string_view text);

    int fd_;
    std::string buffer_;
    bool failed_ = false;
};

// Writes all of `data` to `fd`, going on after partial writes and interruptions.
void write_all(int fd, const char* data, std::size_t size);

}  // namespace korvel::solve
